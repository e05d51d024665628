# Makes a copy of a figure file and two more names for that very copy, a symbolic link and a
# hard link, so the duplicate tests can offer the source under each name as the output.
# -DSOURCE=figure file -DFOLDER=folder to make (emptied first)
file(REMOVE_RECURSE ${FOLDER})
file(MAKE_DIRECTORY ${FOLDER})
file(COPY_FILE ${SOURCE} ${FOLDER}/army.an8)
file(CREATE_LINK army.an8 ${FOLDER}/army-symbolic.an8 SYMBOLIC)
file(CREATE_LINK ${FOLDER}/army.an8 ${FOLDER}/army-hard.an8)

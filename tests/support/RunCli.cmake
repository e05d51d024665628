# Runs kestrelon-cli once as a user would and checks what the user sees: the exit status,
# standard output and error (exactly a file's content, a pattern, or empty), and for a battle
# the scene file (byte for byte against an expected file, or that none was made).
# -DCLI=program -DARGS=word|word|... -DWORKDIR=folder -DEXIT=status
# [-DSTDOUT_FILE=file | -DSTDOUT_PATTERN=regex] [-DSTDERR_FILE=file | -DSTDERR_PATTERN=regex]
# [-DSCENE=path (removed first) -DSCENE_FILE=expected | -DNO_SCENE=path]
string(REPLACE "|" ";" arguments "${ARGS}")
foreach(path IN ITEMS "${SCENE}" "${NO_SCENE}")
  if(path)
    file(REMOVE "${path}")
  endif()
endforeach()
execute_process(COMMAND ${CLI} ${arguments}
                WORKING_DIRECTORY ${WORKDIR}
                RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)

set(faults "")
if(NOT status STREQUAL EXIT)
  string(APPEND faults "exit status ${status}, expected ${EXIT}\n")
endif()
# One output stream against an expected file, a pattern, or nothing at all.
function(check_stream text label file pattern)
  if(file)
    file(READ ${file} expected)
    if(NOT text STREQUAL expected)
      string(APPEND faults "${label} differs from ${file}\n")
    endif()
  elseif(pattern)
    if(NOT text MATCHES "${pattern}")
      string(APPEND faults "${label} does not match ${pattern}\n")
    endif()
  elseif(NOT text STREQUAL "")
    string(APPEND faults "${label} should be empty\n")
  endif()
  set(faults "${faults}" PARENT_SCOPE)
endfunction()
check_stream("${out}" "standard output" "${STDOUT_FILE}" "${STDOUT_PATTERN}")
check_stream("${err}" "standard error" "${STDERR_FILE}" "${STDERR_PATTERN}")
if(DEFINED SCENE_FILE)
  if(NOT EXISTS "${SCENE}")
    string(APPEND faults "no scene file at ${SCENE}\n")
  else()
    file(READ "${SCENE}" scene HEX)
    file(READ "${SCENE_FILE}" expected HEX)
    if(NOT scene STREQUAL expected)
      string(APPEND faults "the scene ${SCENE} differs from ${SCENE_FILE}\n")
    endif()
  endif()
endif()
if(DEFINED NO_SCENE AND EXISTS "${NO_SCENE}")
  string(APPEND faults "a scene file was written at ${NO_SCENE}\n")
endif()

if(faults)
  list(JOIN arguments " " shown)
  message(FATAL_ERROR "kestrelon-cli ${shown}\n${faults}--- standard output:\n${out}--- standard error:\n${err}")
endif()

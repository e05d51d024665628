# Runs kestrelon-cli once and checks what a user would see: the exit status, standard output
# (exactly a file's content, or empty) and standard error (a pattern, or empty).
# -DCLI=program -DARGS=word|word|... -DWORKDIR=folder -DEXIT=status
# [-DSTDOUT_FILE=file] [-DSTDOUT_PATTERN=regex] [-DSTDERR_PATTERN=regex]
string(REPLACE "|" ";" arguments "${ARGS}")
execute_process(COMMAND ${CLI} ${arguments}
                WORKING_DIRECTORY ${WORKDIR}
                RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)

set(faults "")
if(NOT status STREQUAL EXIT)
  string(APPEND faults "exit status ${status}, expected ${EXIT}\n")
endif()
if(DEFINED STDOUT_FILE)
  file(READ ${STDOUT_FILE} expected)
  if(NOT out STREQUAL expected)
    string(APPEND faults "standard output differs from ${STDOUT_FILE}\n")
  endif()
elseif(DEFINED STDOUT_PATTERN)
  if(NOT out MATCHES "${STDOUT_PATTERN}")
    string(APPEND faults "standard output does not match ${STDOUT_PATTERN}\n")
  endif()
elseif(NOT out STREQUAL "")
  string(APPEND faults "standard output should be empty\n")
endif()
if(DEFINED STDERR_PATTERN)
  if(NOT err MATCHES "${STDERR_PATTERN}")
    string(APPEND faults "standard error does not match ${STDERR_PATTERN}\n")
  endif()
elseif(NOT err STREQUAL "")
  string(APPEND faults "standard error should be empty\n")
endif()

if(faults)
  list(JOIN arguments " " shown)
  message(FATAL_ERROR "kestrelon-cli ${shown}\n${faults}--- standard output:\n${out}--- standard error:\n${err}")
endif()

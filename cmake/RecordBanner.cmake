# Writes what PROGRAM prints for "-V" to OUTPUT: the banner the tool's start-up
# test expects of the dfu-util it embeds, whichever version that is.
#   cmake -DPROGRAM=... -DOUTPUT=... -P RecordBanner.cmake
execute_process(COMMAND "${PROGRAM}" -V
  OUTPUT_VARIABLE banner
  RESULT_VARIABLE status)
if(NOT status EQUAL 0 OR banner STREQUAL "")
  message(FATAL_ERROR "${PROGRAM} -V failed (${status}): the embedded dfu-util does not run on this machine")
endif()
file(WRITE "${OUTPUT}" "${banner}")

# cmake -DFSEMBED=tool -DOUT=archive -DFILES="a;b;c" -P MakePayloadZip.cmake
# Packs the payload archive with the host tool's zip command, which writes
# exactly the layout the installer's reader expects (entries in the given
# order, deflate, version made by 0x0B14, text attribute for .txt, no extra
# fields or comments). While the host tool lacks the command, Info-ZIP stands
# in so that the build goes on; the payload format test then fails.
file(REMOVE "${OUT}")
if(EXISTS "${FSEMBED}")
  execute_process(COMMAND "${FSEMBED}" zip "${OUT}" ${FILES}
                  RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
  if(result EQUAL 0)
    return()
  endif()
  message(WARNING "fsembed zip failed (${result}): ${output}")
else()
  message(WARNING "fsembed not found at '${FSEMBED}'")
endif()
message(WARNING "payload.zip packed with Info-ZIP as a stand-in")
file(REMOVE "${OUT}")
execute_process(COMMAND zip -X -j -9 -q "${OUT}" ${FILES} RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "zip failed (${result})")
endif()

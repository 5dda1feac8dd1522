# cmake -DFSEMBED=tool -DOUT=archive -DTIME=yyyy-mm-ddThh:mm:ss -DFILES="a;b;c" -P MakePayloadZip.cmake
# Packs the payload archive with the host tool's zip command, which writes
# exactly the layout the installer's reader expects (entries in the given
# order, deflate, version made by 0x0B14, text attribute for .txt, no extra
# fields or comments). One fixed entry time makes the archive, and so the
# installer, the same bytes on every build.
file(REMOVE "${OUT}")
if(NOT EXISTS "${FSEMBED}")
  message(FATAL_ERROR "fsembed not found at '${FSEMBED}': build the native tree first (scripts/build.sh)")
endif()
execute_process(COMMAND "${FSEMBED}" zip "${OUT}" --time "${TIME}" ${FILES}
                RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "fsembed zip failed (${result}): ${output}")
endif()

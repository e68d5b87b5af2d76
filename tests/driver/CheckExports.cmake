# Compares the dynamic symbols that LIBRARY defines with the eleven operations of DVBTDLL.h.
execute_process(COMMAND ${NM} -D --defined-only ${LIBRARY}
  OUTPUT_VARIABLE symbolTable RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "${NM} cannot read ${LIBRARY}")
endif()

string(REGEX MATCHALL "[^ \n]+\n" lastColumns "${symbolTable}")
set(exported)
foreach(line IN LISTS lastColumns)
  string(STRIP "${line}" name)
  list(APPEND exported ${name})
endforeach()
list(SORT exported)

set(expected DVBT_AcquisitionTask DVBT_FREE_IO DVBT_GetBer DVBT_GetChannelParams
  DVBT_GetLastLockFrequency DVBT_GetOfdmParams DVBT_GetSN DVBT_INIT_IO DVBT_ResetTuner
  DVBT_SetChannelParams DVBT_SetTuningValue)
list(SORT expected)

if(NOT exported STREQUAL expected)
  message(FATAL_ERROR "${LIBRARY} exports\n  ${exported}\ninstead of\n  ${expected}")
endif()

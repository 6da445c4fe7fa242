# cmake -DBINARY=<program> -P CheckNoWidgets.cmake
# Fails unless the program loads Qt Core and no Qt Widgets: run on a test that links the core
# only, it shows what the core drags in.
execute_process(COMMAND ldd ${BINARY} OUTPUT_VARIABLE libraries RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "ldd could not read ${BINARY}")
endif()
if(NOT libraries MATCHES "libQt6Core")
  message(FATAL_ERROR "${BINARY} does not load Qt Core; is it the right program?\n${libraries}")
endif()
if(libraries MATCHES "libQt6(Widgets|PrintSupport)")
  message(FATAL_ERROR "The core links Qt Widgets:\n${libraries}")
endif()
message(STATUS "No Qt Widgets in ${BINARY}")

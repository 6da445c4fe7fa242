# cmake -DROOT=<source folder> -P CheckLayering.cmake
# Fails when a file of the core (modules/, platform/) includes window code: forms/, controls/,
# app/ or QtWidgets. (<QWidget> alone is not found from the core; <QtWidgets/QWidget> would be,
# through Qt's own include root.)
file(GLOB_RECURSE files ${ROOT}/modules/* ${ROOT}/platform/*)
set(bad "")
foreach(f ${files})
  file(STRINGS ${f} lines REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"](forms/|controls/|app/|QtWidgets)")
  foreach(line ${lines})
    file(RELATIVE_PATH rel ${ROOT} ${f})
    string(APPEND bad "  ${rel}: ${line}\n")
  endforeach()
endforeach()
if(bad)
  message(FATAL_ERROR "The core must not include window code:\n${bad}")
endif()

# Copies the sample installation into the build tree for `make run`, file by file, only where
# the staged copy is missing or older: a language chosen in the staged copy survives rebuilds.
file(GLOB_RECURSE files RELATIVE "${SRC}" "${SRC}/*")
foreach(f ${files})
  if(NOT EXISTS "${DST}/${f}" OR "${SRC}/${f}" IS_NEWER_THAN "${DST}/${f}")
    get_filename_component(dir "${DST}/${f}" DIRECTORY)
    file(MAKE_DIRECTORY "${dir}")
    file(COPY_FILE "${SRC}/${f}" "${DST}/${f}")
  endif()
endforeach()

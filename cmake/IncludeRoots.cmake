# karvenna_include_root(<layer> <folder>...): makes ${CMAKE_BINARY_DIR}/include/<layer> hold a
# link to each source folder named and sets KARVENNA_INCLUDE_ROOT_<layer> to it. A target given
# that root includes "<folder>/File.h" of those folders and of no others.
function(karvenna_include_root layer)
  set(root ${CMAKE_BINARY_DIR}/include/${layer})
  file(MAKE_DIRECTORY ${root})
  foreach(folder ${ARGN})
    if(NOT IS_SYMLINK ${root}/${folder})
      file(CREATE_LINK ${CMAKE_SOURCE_DIR}/${folder} ${root}/${folder} SYMBOLIC)
    endif()
  endforeach()
  set(KARVENNA_INCLUDE_ROOT_${layer} ${root} PARENT_SCOPE)
endfunction()

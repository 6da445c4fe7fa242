# Installs the build into a temporary DESTDIR with the prefix /usr and checks the result the
# way a distribution would: every file where the desktop expects it, nothing else, valid
# desktop entry and metainfo, and an installed program that runs on the installed sample.
# Arguments: BUILD_DIR SOURCE_DIR STAGE APP_ID ICON_SIZES MODULE_DIR.
cmake_minimum_required(VERSION 3.25)
set(failures "")
macro(fail text)
  string(APPEND failures "\n  ${text}")
endmacro()

function(run_checked what)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "${what} failed (${rc}):\n${out}${err}")
  endif()
  set(run_output "${out}${err}" PARENT_SCOPE)
endfunction()

# The installed program, in batch mode with the further arguments given, shows the installed
# sample's Caldora. The user has opened nothing before.
macro(shows_installed_caldora what)
  file(MAKE_DIRECTORY "${STAGE}/user")
  execute_process(COMMAND ${CMAKE_COMMAND} -E env XDG_CONFIG_HOME=${STAGE}/user
                          "${root}/bin/karvenna" --batch ${ARGN} --open miCaldoraCaves
                          --dump "${STAGE}/dump.json"
                  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
  if(NOT rc EQUAL 0 OR NOT EXISTS "${STAGE}/dump.json")
    fail("karvenna --batch ${what} exits ${rc}:\n${out}")
  else()
    file(READ "${STAGE}/dump.json" dump)
    file(REMOVE "${STAGE}/dump.json")
    string(JSON picture GET "${dump}" controls imgMap picture)
    if(NOT picture STREQUAL "${sample_home}/caldora.jpg")
      fail("${what} the installed program shows '${picture}', not the installed sample's Caldora")
    endif()
  endif()
endmacro()

file(REMOVE_RECURSE "${STAGE}")
run_checked("cmake --install"
  ${CMAKE_COMMAND} -E env DESTDIR=${STAGE} ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix /usr)
set(root "${STAGE}/usr")

# What must be there, and nothing besides.
set(expected
  bin/karvenna bin/karvenna-ini ${MODULE_DIR}/karvenna-sound.so
  share/applications/${APP_ID}.desktop share/metainfo/${APP_ID}.metainfo.xml
  share/icons/hicolor/scalable/apps/${APP_ID}.svg
  share/man/man6/karvenna.6.gz share/man/man1/karvenna-ini.1.gz
  share/doc/karvenna/copyright share/doc/karvenna/README.md)
foreach(size ${ICON_SIZES})
  list(APPEND expected share/icons/hicolor/${size}x${size}/apps/${APP_ID}.png)
endforeach()
file(GLOB_RECURSE sample RELATIVE "${SOURCE_DIR}/data/sample" "${SOURCE_DIR}/data/sample/*")
foreach(f ${sample})
  list(APPEND expected share/karvenna/sample/${f})
endforeach()

file(GLOB_RECURSE installed RELATIVE "${root}" "${STAGE}/*")
foreach(f ${expected})
  if(NOT EXISTS "${root}/${f}")
    fail("missing: /usr/${f}")
  endif()
endforeach()
foreach(f ${installed})
  if(NOT f IN_LIST expected)
    fail("not expected: /usr/${f}")
  endif()
endforeach()

# The sample arrives unchanged.
foreach(f ${sample})
  if(EXISTS "${root}/share/karvenna/sample/${f}")
    file(SHA256 "${SOURCE_DIR}/data/sample/${f}" want)
    file(SHA256 "${root}/share/karvenna/sample/${f}" got)
    if(NOT want STREQUAL got)
      fail("differs from data/sample: /usr/share/karvenna/sample/${f}")
    endif()
  endif()
endforeach()

# Each PNG is as large as the folder it sits in says (width and height from the IHDR chunk).
foreach(size ${ICON_SIZES})
  set(png "${root}/share/icons/hicolor/${size}x${size}/apps/${APP_ID}.png")
  if(EXISTS "${png}")
    file(READ "${png}" header LIMIT 24 HEX)
    string(SUBSTRING "${header}" 32 8 width)
    string(SUBSTRING "${header}" 40 8 height)
    math(EXPR width "0x${width}")
    math(EXPR height "0x${height}")
    if(NOT header MATCHES "^89504e47" OR NOT width EQUAL size OR NOT height EQUAL size)
      fail("icon in ${size}x${size} is not a ${size} x ${size} PNG (${width} x ${height})")
    endif()
  endif()
endforeach()

# No build path baked in: the program finds its sound module relative to itself.
if(EXISTS "${root}/bin/karvenna")
  string(REGEX REPLACE "([][+.*?()^$|\\\\])" "\\\\\\1" build_pattern "${BUILD_DIR}")
  foreach(encoding UTF-8 UTF-16LE)  # QStringLiteral keeps its text as UTF-16
    file(STRINGS "${root}/bin/karvenna" baked ENCODING ${encoding}
         REGEX "${build_pattern}[^ ]*(karvenna-sound|sample)")
    if(baked)
      fail("the program names its sound module or sample in the build folder: ${baked}")
    endif()
  endforeach()
endif()

# The desktop entry starts an installed program and shows an installed icon; the metainfo
# launches that desktop entry.
set(desktop "${root}/share/applications/${APP_ID}.desktop")
if(EXISTS "${desktop}")
  file(STRINGS "${desktop}" exec REGEX "^Exec=")
  string(REGEX REPLACE "^Exec=([^ ]*).*" "\\1" exec "${exec}")
  if(NOT EXISTS "${root}/bin/${exec}")
    fail("the desktop entry starts '${exec}', which is not installed in /usr/bin")
  endif()
  file(STRINGS "${desktop}" icon REGEX "^Icon=")
  string(REGEX REPLACE "^Icon=" "" icon "${icon}")
  if(NOT EXISTS "${root}/share/icons/hicolor/scalable/apps/${icon}.svg")
    fail("the desktop entry shows icon '${icon}', which is not installed")
  endif()
endif()
set(metainfo "${root}/share/metainfo/${APP_ID}.metainfo.xml")
if(EXISTS "${metainfo}")
  file(READ "${metainfo}" xml)
  string(REGEX MATCH "<launchable type=\"desktop-id\">([^<]*)</launchable>" launchable "${xml}")
  if(NOT launchable OR NOT EXISTS "${root}/share/applications/${CMAKE_MATCH_1}")
    fail("the metainfo does not launch an installed desktop entry: ${launchable}")
  endif()
endif()

foreach(tool desktop-file-validate appstreamcli)
  find_program(${tool}_path ${tool})
  if(NOT ${tool}_path)
    message(FATAL_ERROR "${tool} is missing (Debian packages desktop-file-utils and appstream)")
  endif()
endforeach()
if(EXISTS "${desktop}")
  execute_process(COMMAND ${desktop-file-validate_path} ${desktop}
                  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
  if(NOT rc EQUAL 0)
    fail("desktop-file-validate:\n${out}")
  endif()
endif()
if(EXISTS "${metainfo}")
  execute_process(COMMAND ${appstreamcli_path} validate --no-net --explain ${metainfo}
                  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
  if(NOT rc EQUAL 0)
    fail("appstreamcli validate:\n${out}")
  endif()
endif()

# The installed programs run from their new place on the installed sample.
if(NOT failures)
  set(sample_home "${root}/share/karvenna/sample")
  execute_process(COMMAND "${root}/bin/karvenna" --check --home "${sample_home}"
                  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
  if(NOT rc EQUAL 0)
    fail("karvenna --check on the installed sample exits ${rc}:\n${out}")
  endif()
  shows_installed_caldora("with --home" --home "${sample_home}")
  # Without --home the installed sample opens.
  shows_installed_caldora("without --home")
  execute_process(COMMAND "${root}/bin/karvenna-ini" get "${sample_home}/karvenna.ini" folders pics
                  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
  if(NOT rc EQUAL 0 OR out STREQUAL "")
    fail("karvenna-ini get on the installed sample exits ${rc}: ${out}")
  endif()
endif()

if(failures)
  message(FATAL_ERROR "The installation into ${STAGE} is wrong:${failures}")
endif()
message(STATUS "Installed and checked ${STAGE}")

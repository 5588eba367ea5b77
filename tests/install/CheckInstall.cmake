# Installs the build at BUILD_DIR into PREFIX and checks the files: each in its
# place, the programs running, the icons at their sizes, and the desktop entry
# and AppStream metadata valid where the validators are installed.
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX}
  RESULT_VARIABLE installed OUTPUT_QUIET)
if(NOT installed EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${installed}")
endif()

set(id app.vexo.Vexo)
set(expected
  bin/vexo bin/vexo-cli
  share/applications/${id}.desktop
  share/metainfo/${id}.metainfo.xml
  share/man/man1/vexo-cli.1)
set(sides 16 24 32 48 64 128 256 512)
foreach(side IN LISTS sides)
  list(APPEND expected share/icons/hicolor/${side}x${side}/apps/${id}.png)
endforeach()
foreach(file IN LISTS expected)
  if(NOT EXISTS ${PREFIX}/${file})
    message(FATAL_ERROR "not installed: ${file}")
  endif()
endforeach()

# A PNG's width and height are the big-endian words at bytes 16 and 20.
foreach(side IN LISTS sides)
  file(READ ${PREFIX}/share/icons/hicolor/${side}x${side}/apps/${id}.png header
    OFFSET 16 LIMIT 8 HEX)
  string(SUBSTRING ${header} 0 8 width_hex)
  string(SUBSTRING ${header} 8 8 height_hex)
  math(EXPR width "0x${width_hex}")
  math(EXPR height "0x${height_hex}")
  if(NOT width EQUAL side OR NOT height EQUAL side)
    message(FATAL_ERROR "the ${side}x${side} icon is ${width}x${height}")
  endif()
endforeach()

execute_process(COMMAND ${PREFIX}/bin/vexo-cli --help
  RESULT_VARIABLE helped OUTPUT_VARIABLE help ERROR_QUIET)
if(NOT helped EQUAL 0 OR NOT help MATCHES "Usage: vexo-cli")
  message(FATAL_ERROR "the installed vexo-cli does not run: ${helped}")
endif()

file(READ ${PREFIX}/share/applications/${id}.desktop entry)
if(NOT entry MATCHES "\nExec=vexo\n" OR NOT entry MATCHES "\nIcon=${id}\n")
  message(FATAL_ERROR "the desktop entry does not start vexo with its icon")
endif()

find_program(APPSTREAMCLI appstreamcli)
if(APPSTREAMCLI)
  execute_process(COMMAND ${APPSTREAMCLI} validate --no-net
      ${PREFIX}/share/metainfo/${id}.metainfo.xml
    RESULT_VARIABLE valid OUTPUT_VARIABLE report ERROR_VARIABLE report)
  if(NOT valid EQUAL 0)
    message(FATAL_ERROR "appstreamcli validate: ${report}")
  endif()
endif()
find_program(DESKTOP_FILE_VALIDATE desktop-file-validate)
if(DESKTOP_FILE_VALIDATE)
  execute_process(COMMAND ${DESKTOP_FILE_VALIDATE} ${PREFIX}/share/applications/${id}.desktop
    RESULT_VARIABLE valid OUTPUT_VARIABLE report ERROR_VARIABLE report)
  if(NOT valid EQUAL 0)
    message(FATAL_ERROR "desktop-file-validate: ${report}")
  endif()
endif()

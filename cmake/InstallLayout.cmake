# Runs at install time (cmake --install), after packaging/install-settings.cmake of
# the build: chooses the prefix and the program folder, then installs. file(INSTALL)
# puts DESTDIR in front of every destination and lists each file in the manifest.

if(QLB_DEFAULT_INSTALL_PREFIX AND CMAKE_INSTALL_PREFIX STREQUAL QLB_DEFAULT_INSTALL_PREFIX
   AND DEFINED ENV{HOME})
  # The prefix nobody chose: the ~/.local of whoever installs now.
  set(CMAKE_INSTALL_PREFIX "$ENV{HOME}/.local")
endif()
string(REGEX REPLACE "/$" "" qlb_prefix "${CMAKE_INSTALL_PREFIX}")

set(qlb_program_dir "${QLB_INSTALL_PROGRAM_DIR}")
if(NOT qlb_program_dir)
  if(DEFINED ENV{HOME} AND qlb_prefix STREQUAL "$ENV{HOME}/.local")
    # The player's own data folder: the game writes its saves beside itself.
    set(qlb_program_dir "share/quelbrin")
  else()
    set(qlb_program_dir "lib/quelbrin")
  endif()
endif()
set(qlb_program "${qlb_prefix}/${qlb_program_dir}")
message(STATUS "Quelbrin: program folder ${qlb_program}")

foreach(folder Buildings Images Cursors Sounds Music)
  if(NOT IS_DIRECTORY "${QLB_BINARY_DIR}/${folder}")
    message(FATAL_ERROR "${QLB_BINARY_DIR}/${folder} is missing: build the game's content first")
  endif()
endforeach()

file(INSTALL DESTINATION "${qlb_program}" TYPE EXECUTABLE FILES ${QLB_INSTALL_PROGRAMS})
file(INSTALL DESTINATION "${qlb_program}" TYPE SHARED_LIBRARY FILES ${QLB_INSTALL_LIBRARIES})
file(INSTALL DESTINATION "${qlb_program}" TYPE DIRECTORY
     FILES "${QLB_BINARY_DIR}/Buildings" "${QLB_BINARY_DIR}/Images" "${QLB_BINARY_DIR}/Cursors"
           "${QLB_BINARY_DIR}/Sounds" "${QLB_BINARY_DIR}/Music")

# The launcher and the desktop file are made for this prefix in a staging folder of
# the build, then installed like any other file. A relative link keeps working
# wherever DESTDIR put the tree.
set(qlb_stage "${QLB_PACKAGING_DIR}/stage")
file(REMOVE_RECURSE "${qlb_stage}")
file(MAKE_DIRECTORY "${qlb_stage}")
file(RELATIVE_PATH qlb_link_target "${qlb_prefix}/bin" "${qlb_program}/quelbrin")
file(CREATE_LINK "${qlb_link_target}" "${qlb_stage}/quelbrin" SYMBOLIC)
file(INSTALL DESTINATION "${qlb_prefix}/bin" TYPE FILE FILES "${qlb_stage}/quelbrin")

set(QLB_DESKTOP_EXEC "${qlb_prefix}/bin/quelbrin")
configure_file("${QLB_DESKTOP_TEMPLATE}" "${qlb_stage}/${QLB_APP_ID}.desktop" @ONLY)
file(INSTALL DESTINATION "${qlb_prefix}/share/applications" TYPE FILE
     FILES "${qlb_stage}/${QLB_APP_ID}.desktop")
file(INSTALL DESTINATION "${qlb_prefix}/share/metainfo" TYPE FILE
     FILES "${QLB_PACKAGING_DIR}/${QLB_APP_ID}.metainfo.xml")
file(INSTALL DESTINATION "${qlb_prefix}/share/icons" TYPE DIRECTORY
     FILES "${QLB_BINARY_DIR}/icons/hicolor")

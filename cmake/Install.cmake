# `cmake --install` lays the game out like a desktop game.
#
# The game reads its content beside its own executable, so the program folder is
# installed whole: quelbrin, quelbrin-sim, liboggwrap.so and the content folders.
# Around it go a `quelbrin` launcher link in <prefix>/bin, the desktop file, the
# icons in the hicolor sizes and the AppStream metainfo under <prefix>/share.
#
# With the default prefix the game goes to the player who runs the install:
# $HOME/.local, with the program folder in share/quelbrin, where the game can
# write its saves beside itself. Any other prefix (a packager's --prefix /usr with
# DESTDIR) puts the program folder in lib/quelbrin; the game then keeps its saves
# in the player's data folder. All of it is decided when the install runs, by
# cmake/InstallLayout.cmake, so one build serves both ways.

set(QLB_APP_ID "example.quelbrin.Quelbrin")

# The default is resolved again at install time against the installing user's
# HOME: the cache only remembers that the default was taken.
if(CMAKE_INSTALL_PREFIX_INITIALIZED_TO_DEFAULT AND DEFINED ENV{HOME})
  set(CMAKE_INSTALL_PREFIX "$ENV{HOME}/.local"
      CACHE PATH "Install prefix; by default the installing player's ~/.local" FORCE)
  set(QLB_DEFAULT_INSTALL_PREFIX "${CMAKE_INSTALL_PREFIX}" CACHE INTERNAL "")
endif()
if(NOT CMAKE_INSTALL_PREFIX STREQUAL QLB_DEFAULT_INSTALL_PREFIX)
  # The prefix was chosen by hand since: it is taken as given.
  set(QLB_DEFAULT_INSTALL_PREFIX "" CACHE INTERNAL "")
endif()
set(QLB_INSTALL_PROGRAM_DIR "" CACHE STRING
    "Program folder below the prefix; empty: share/quelbrin in ~/.local, else lib/quelbrin")

# The homepage is the game's own constant.
file(STRINGS "${CMAKE_SOURCE_DIR}/src/model/GameInfo.h" QLB_HOMEPAGE_LINE
     REGEX "GameHomePage = \"[^\"]+\"")
string(REGEX REPLACE ".*GameHomePage = \"([^\"]+)\".*" "\\1" QLB_HOMEPAGE "${QLB_HOMEPAGE_LINE}")

set(QLB_PACKAGING_DIR "${CMAKE_BINARY_DIR}/packaging")
configure_file("${CMAKE_SOURCE_DIR}/packaging/quelbrin.metainfo.xml.in"
               "${QLB_PACKAGING_DIR}/${QLB_APP_ID}.metainfo.xml" @ONLY)

set(QLB_INSTALL_PROGRAMS)
foreach(target quelbrin quelbrin-sim)
  if(TARGET ${target})
    list(APPEND QLB_INSTALL_PROGRAMS "$<TARGET_FILE:${target}>")
  endif()
endforeach()
set(QLB_INSTALL_LIBRARIES)
if(TARGET oggwrap)
  set(QLB_INSTALL_LIBRARIES "$<TARGET_FILE:oggwrap>")
endif()

# What the install-time script needs to know about this build.
file(GENERATE OUTPUT "${QLB_PACKAGING_DIR}/install-settings.cmake" CONTENT "\
set(QLB_APP_ID \"${QLB_APP_ID}\")
set(QLB_DEFAULT_INSTALL_PREFIX \"${QLB_DEFAULT_INSTALL_PREFIX}\")
set(QLB_INSTALL_PROGRAM_DIR \"${QLB_INSTALL_PROGRAM_DIR}\")
set(QLB_BINARY_DIR \"${CMAKE_BINARY_DIR}\")
set(QLB_PACKAGING_DIR \"${QLB_PACKAGING_DIR}\")
set(QLB_DESKTOP_TEMPLATE \"${CMAKE_SOURCE_DIR}/packaging/quelbrin.desktop.in\")
set(QLB_INSTALL_PROGRAMS \"${QLB_INSTALL_PROGRAMS}\")
set(QLB_INSTALL_LIBRARIES \"${QLB_INSTALL_LIBRARIES}\")
")

install(CODE "include(\"${QLB_PACKAGING_DIR}/install-settings.cmake\")")
install(SCRIPT "${CMAKE_CURRENT_LIST_DIR}/InstallLayout.cmake")

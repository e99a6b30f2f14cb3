# Quorrel.app: an Info.plist of our own, the icon, and the string tables' languages declared to
# macOS. The translations and the help page are resources compiled into the executable, which is
# Contents/MacOS/Quorrel inside the bundle. `cmake --install build --prefix DIR` makes DIR/Quorrel.app
# self-contained and signs it (cmake/MacDeploy.cmake.in).

set(QUORREL_BUNDLE_ID org.quorrel.Quorrel) # also the domain of the own user defaults, UserDefaults::kDomain
set(QUORREL_COPYRIGHT "Copyright © 2026 The Quorrel developers")

function(quorrel_make_mac_bundle target)
  # Qt's supported minimum (Qt6ConfigExtras.cmake publishes it), or a higher deployment target
  # when one was asked for. Qt releases that do not publish it support macOS 11 and later.
  set(minimum "${QT_SUPPORTED_MIN_MACOS_VERSION}")
  if(NOT minimum)
    set(minimum 11.0)
  endif()
  if(CMAKE_OSX_DEPLOYMENT_TARGET VERSION_GREATER minimum)
    set(minimum "${CMAKE_OSX_DEPLOYMENT_TARGET}")
  endif()

  # Without CFBundleLocalizations macOS offers an app only its development language: QLocale,
  # and with it the choice of string table, would always say English.
  set(localizations "")
  foreach(localization IN LISTS QUORREL_LOCALIZATIONS)
    string(REPLACE "_" "-" language "${localization}")
    string(APPEND localizations "\t\t<string>${language}</string>\n")
  endforeach()

  set(QUORREL_BUNDLE_VERSION "${PROJECT_VERSION}")
  set(QUORREL_MINIMUM_MACOS "${minimum}")
  set(QUORREL_BUNDLE_LOCALIZATIONS "${localizations}")
  configure_file(${CMAKE_SOURCE_DIR}/resources/mac/Info.plist.in ${CMAKE_BINARY_DIR}/Info.plist @ONLY)

  set(icon ${CMAKE_SOURCE_DIR}/resources/icons/quorrel.icns)
  set_source_files_properties(${icon} PROPERTIES MACOSX_PACKAGE_LOCATION Resources)
  target_sources(${target} PRIVATE ${icon})
  set_target_properties(${target} PROPERTIES
    OUTPUT_NAME Quorrel
    MACOSX_BUNDLE_INFO_PLIST ${CMAKE_BINARY_DIR}/Info.plist)

  # The installed app finds its libraries inside itself. The link path (Homebrew's folders) stays
  # among its run paths only until macdeployqt has resolved Homebrew's @rpath names through it;
  # the deploy script then deletes every run path but this one.
  set_target_properties(${target} PROPERTIES
    INSTALL_RPATH "@executable_path/../Frameworks"
    INSTALL_RPATH_USE_LINK_PATH ON)
  install(TARGETS ${target} BUNDLE DESTINATION .)

  if(TARGET Qt6::macdeployqt)
    set(QUORREL_MACDEPLOYQT "$<TARGET_FILE:Qt6::macdeployqt>")
  else()
    find_program(QUORREL_MACDEPLOYQT_PROGRAM macdeployqt
      HINTS "${QT6_INSTALL_PREFIX}/${QT6_INSTALL_BINS}" "${QUORREL_BREW_PREFIX}/bin")
    if(NOT QUORREL_MACDEPLOYQT_PROGRAM)
      message(WARNING "macdeployqt not found (Homebrew's qttools has it): cmake --install cannot make "
                      "a self-contained Quorrel.app")
      return()
    endif()
    set(QUORREL_MACDEPLOYQT "${QUORREL_MACDEPLOYQT_PROGRAM}")
  endif()
  # Qt's own translations (standard buttons, context menus): Qt's folder, or Homebrew's
  # qttranslations, which is a formula of its own.
  set(QUORREL_QT_TRANSLATIONS "")
  foreach(folder "${QT6_INSTALL_PREFIX}/${QT6_INSTALL_TRANSLATIONS}" "${QUORREL_BREW_PREFIX}/share/qt/translations")
    if(NOT QUORREL_QT_TRANSLATIONS AND EXISTS "${folder}/qtbase_de.qm")
      set(QUORREL_QT_TRANSLATIONS "${folder}")
    endif()
  endforeach()
  set(QUORREL_APP_NAME Quorrel.app)
  set(QUORREL_OFFSCREEN_PLUGIN "$<TARGET_FILE:Qt6::QOffscreenIntegrationPlugin>")
  configure_file(${CMAKE_SOURCE_DIR}/cmake/MacDeploy.cmake.in ${CMAKE_BINARY_DIR}/MacDeploy.cmake.gen @ONLY)
  file(GENERATE OUTPUT ${CMAKE_BINARY_DIR}/MacDeploy.cmake INPUT ${CMAKE_BINARY_DIR}/MacDeploy.cmake.gen)
  install(SCRIPT ${CMAKE_BINARY_DIR}/MacDeploy.cmake)
endfunction()

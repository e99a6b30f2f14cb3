# Quorrel.app: an Info.plist of our own, the icon, and the string tables' languages declared to
# macOS. The translations and the help page are resources compiled into the executable, which is
# Contents/MacOS/Quorrel inside the bundle.

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
endfunction()

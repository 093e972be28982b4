# kontaro_options: the settings every library and executable of the project links.
add_library(kontaro_options INTERFACE)
target_compile_features(kontaro_options INTERFACE cxx_std_20)
target_compile_options(kontaro_options INTERFACE -Wall -Wextra -Wpedantic)
if(KONTARO_WERROR)
  target_compile_options(kontaro_options INTERFACE -Werror)
endif()
# Every literal that becomes a QString is deliberate (German texts live in texts headers).
target_compile_definitions(kontaro_options INTERFACE
  QT_NO_CAST_FROM_ASCII QT_NO_CAST_TO_ASCII QT_NO_NARROWING_CONVERSIONS_IN_CONNECT
  QT_DISABLE_DEPRECATED_BEFORE=0x060000)

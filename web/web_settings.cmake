# Settings of the web build, read before the library and the request layer:
# C++ exceptions on (the request layer reports through them); the
# floating-point to_chars and from_chars that emscripten's C++ library lacks,
# included into every file; and nlohmann_json from the host through a folder
# of its own, since /usr/include itself would shadow emscripten's C library.
if(NOT EMSCRIPTEN)
  message(FATAL_ERROR "TARNIQ_WEB builds with emscripten: emcmake cmake -DTARNIQ_WEB=ON ...")
endif()
add_compile_options(-fexceptions)
add_link_options(-fexceptions)
add_compile_options(-include ${CMAKE_CURRENT_LIST_DIR}/compat/floating_charconv.hpp)

# The host's include folder of nlohmann_json, from the host's pkg-config (the
# emscripten environment points pkg-config at its own sysroot).
execute_process(
  COMMAND env -u PKG_CONFIG_LIBDIR -u PKG_CONFIG_PATH -u PKG_CONFIG_SYSROOT_DIR PKG_CONFIG_ALLOW_SYSTEM_CFLAGS=1
          pkg-config --cflags-only-I nlohmann_json
  OUTPUT_VARIABLE TARNIQ_NLOHMANN_FLAGS OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
string(REGEX REPLACE "^-I([^ ]+).*" "\\1" TARNIQ_NLOHMANN_INCLUDE "${TARNIQ_NLOHMANN_FLAGS}")
set(TARNIQ_WEB_INCLUDE ${CMAKE_BINARY_DIR}/web-include)
find_path(TARNIQ_NLOHMANN_DIR nlohmann/json.hpp PATHS ${TARNIQ_NLOHMANN_INCLUDE} NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH
          REQUIRED)
file(MAKE_DIRECTORY ${TARNIQ_WEB_INCLUDE})
file(CREATE_LINK ${TARNIQ_NLOHMANN_DIR}/nlohmann ${TARNIQ_WEB_INCLUDE}/nlohmann SYMBOLIC)
add_library(tarniq_web_nlohmann_json INTERFACE)
target_include_directories(tarniq_web_nlohmann_json SYSTEM INTERFACE ${TARNIQ_WEB_INCLUDE})
add_library(nlohmann_json::nlohmann_json ALIAS tarniq_web_nlohmann_json)

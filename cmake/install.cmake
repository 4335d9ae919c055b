# Installation: the programs, the library with its headers, a CMake package
# (find_package(tarniq), target tarniq::tarniq) and a pkg-config file.
include(GNUInstallDirs)
include(CMakePackageConfigHelpers)

install(TARGETS tarniq RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${PROJECT_SOURCE_DIR}/docs/tarniq.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(TARGETS tarniq_library EXPORT tarniqTargets
        ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR}
        INCLUDES DESTINATION ${CMAKE_INSTALL_INCLUDEDIR})
install(DIRECTORY ${PROJECT_SOURCE_DIR}/include/tarniq DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}
        FILES_MATCHING PATTERN "*.hpp")
install(FILES ${PROJECT_BINARY_DIR}/include/tarniq/version.hpp
        DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/tarniq)

set(TARNIQ_CMAKE_DIR ${CMAKE_INSTALL_LIBDIR}/cmake/tarniq)
install(EXPORT tarniqTargets NAMESPACE tarniq:: DESTINATION ${TARNIQ_CMAKE_DIR})
configure_package_config_file(${PROJECT_SOURCE_DIR}/cmake/tarniqConfig.cmake.in
                              ${PROJECT_BINARY_DIR}/tarniqConfig.cmake
                              INSTALL_DESTINATION ${TARNIQ_CMAKE_DIR})
write_basic_package_version_file(${PROJECT_BINARY_DIR}/tarniqConfigVersion.cmake
                                 COMPATIBILITY SameMajorVersion)
install(FILES ${PROJECT_BINARY_DIR}/tarniqConfig.cmake ${PROJECT_BINARY_DIR}/tarniqConfigVersion.cmake
        DESTINATION ${TARNIQ_CMAKE_DIR})

# The pkg-config file finds its prefix relative to itself, so that an
# installation under any --prefix works.
file(RELATIVE_PATH TARNIQ_PC_TO_PREFIX /${CMAKE_INSTALL_LIBDIR}/pkgconfig /)
configure_file(${PROJECT_SOURCE_DIR}/cmake/tarniq.pc.in ${PROJECT_BINARY_DIR}/tarniq.pc @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/tarniq.pc DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig)

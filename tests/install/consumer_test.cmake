# Installs the build into a temporary prefix, then builds and runs the library
# example against it twice: through find_package(tarniq) and through pkg-config.
# Run as: cmake -DBUILD_DIR=... -DSOURCE_DIR=... -DWORK_DIR=... -P consumer_test.cmake
set(prefix ${WORK_DIR}/prefix)
file(REMOVE_RECURSE ${WORK_DIR})
file(MAKE_DIRECTORY ${WORK_DIR})

function(run)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "failed (${status}): ${ARGN}\n${out}\n${err}")
  endif()
  set(last_output "${out}" PARENT_SCOPE)
endfunction()

function(check_output how)
  if(NOT last_output MATCHES "gain 20\\.00 dBi")
    message(FATAL_ERROR "the consumer built with ${how} printed:\n${last_output}")
  endif()
endfunction()

run(${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${prefix})

# Through the CMake package.
run(${CMAKE_COMMAND} -S ${SOURCE_DIR}/examples/library -B ${WORK_DIR}/cmake-build
    -DCMAKE_PREFIX_PATH=${prefix} -DCMAKE_BUILD_TYPE=Release)
run(${CMAKE_COMMAND} --build ${WORK_DIR}/cmake-build)
run(${WORK_DIR}/cmake-build/consumer)
check_output("find_package")

# Through pkg-config.
set(ENV{PKG_CONFIG_PATH} ${prefix}/${LIBDIR}/pkgconfig)
execute_process(COMMAND pkg-config --cflags --libs tarniq OUTPUT_VARIABLE flags
                RESULT_VARIABLE status OUTPUT_STRIP_TRAILING_WHITESPACE)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "pkg-config does not know tarniq")
endif()
separate_arguments(flags UNIX_COMMAND "${flags}")
run(c++ ${SOURCE_DIR}/examples/library/consumer.cpp -o ${WORK_DIR}/pkg-consumer ${flags})
run(${WORK_DIR}/pkg-consumer)
check_output("pkg-config")

# The README shows the example as it is built here.
file(READ ${SOURCE_DIR}/examples/library/consumer.cpp example)
file(READ ${SOURCE_DIR}/README.md readme)
string(FIND "${readme}" "${example}" where)
if(where EQUAL -1)
  message(FATAL_ERROR "README.md does not show examples/library/consumer.cpp as it is")
endif()
file(REMOVE_RECURSE ${WORK_DIR})

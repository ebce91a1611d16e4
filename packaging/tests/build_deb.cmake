# cmake -DBUILD_DIR=<build tree> -DPACKAGE_DIR=<folder> -DCPACK=<cpack> -P build_deb.cmake
# Builds the Debian package into PACKAGE_DIR, after removing the packages of earlier runs, and
# checks that exactly one .deb came out.
foreach(var BUILD_DIR PACKAGE_DIR CPACK)
    if(NOT ${var})
        message(FATAL_ERROR "build_deb.cmake: ${var} is not set")
    endif()
endforeach()
file(GLOB old_packages ${PACKAGE_DIR}/*.deb)
if(old_packages)
    file(REMOVE ${old_packages})
endif()
execute_process(COMMAND ${CPACK} -G DEB --config ${BUILD_DIR}/CPackConfig.cmake
    WORKING_DIRECTORY ${BUILD_DIR} RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "cpack -G DEB failed: ${result}")
endif()
file(GLOB packages ${PACKAGE_DIR}/*.deb)
list(LENGTH packages count)
if(NOT count EQUAL 1)
    message(FATAL_ERROR "expected one .deb in ${PACKAGE_DIR}, found ${count}: ${packages}")
endif()
message(STATUS "Built ${packages}")

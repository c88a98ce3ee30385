# Read by cpack for each generator.
if(CPACK_GENERATOR MATCHES "NSIS")
  set(CPACK_PACKAGE_FILE_NAME "${CPACK_PACKAGE_FILE_NAME}-setup")
endif()

# The release package of a Windows tree: `cmake --build build/win32 --target
# package` makes Marrowfieldtallymaster-1.1-win32.zip (win64 in build/win64)
# holding one folder of that name with tallymaster.exe, README.txt for
# Windows users (CR LF line ends) and the sample calculation file Sample.twr.
configure_file(${PROJECT_SOURCE_DIR}/packaging/README.txt.in ${CMAKE_BINARY_DIR}/package/README.txt
               @ONLY NEWLINE_STYLE CRLF)
install(TARGETS tallymaster RUNTIME DESTINATION .)
install(FILES ${CMAKE_BINARY_DIR}/package/README.txt ${PROJECT_SOURCE_DIR}/packaging/Sample.twr DESTINATION .)

if(CMAKE_SIZEOF_VOID_P EQUAL 8)
  set(TALLYMASTER_PACKAGE_SYSTEM win64)
else()
  set(TALLYMASTER_PACKAGE_SYSTEM win32)
endif()
set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME ${TALLYMASTER_PRODUCT_NAME})
set(CPACK_PACKAGE_VENDOR "${TALLYMASTER_PRODUCT_NAME} project")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${TALLYMASTER_DESCRIPTION}")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
# Its own name, for the package test: CPack's variable is left at the
# source package's name once CPack is included.
set(TALLYMASTER_PACKAGE_FILE_NAME ${TALLYMASTER_PRODUCT_NAME}-${PROJECT_VERSION}-${TALLYMASTER_PACKAGE_SYSTEM})
set(CPACK_PACKAGE_FILE_NAME ${TALLYMASTER_PACKAGE_FILE_NAME})
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY ON)
set(CPACK_STRIP_FILES ON)
include(CPack)

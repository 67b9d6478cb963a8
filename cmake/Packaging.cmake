# The release archive: `cmake --build --preset mingw-x86 --target package`
# makes a ZIP with the three programs, the administrator's guide and the
# SHA-256 sums of the programs, all at the archive's root.

# The archive's name, from the version and the word size of the build. The
# release test computes the same name, so it lives here once.
function(qor_package_file_name pointer_size out_var)
  if(pointer_size EQUAL 4)
    set(platform win32)
  else()
    set(platform win64)
  endif()
  set(${out_var} "qor-${PROJECT_VERSION}-${platform}" PARENT_SCOPE)
endfunction()

# The guide carries the version of the programs it describes.
configure_file(${PROJECT_SOURCE_DIR}/docs/admin-guide.md.in ${PROJECT_BINARY_DIR}/docs/admin-guide.md @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/docs/admin-guide.md DESTINATION .)

# The sums are taken of the programs as they lie in the archive, after they
# are installed, so they check exactly what the administrator receives.
set(QOR_RELEASED_PROGRAMS
  "$<TARGET_FILE_NAME:qorgroups>"
  "$<TARGET_FILE_NAME:qormodule>"
  "$<TARGET_FILE_NAME:qorprobe>")
install(CODE "set(QOR_SUMMED_PROGRAMS \"${QOR_RELEASED_PROGRAMS}\")")
install(SCRIPT ${CMAKE_CURRENT_LIST_DIR}/WriteSha256Sums.cmake)

qor_package_file_name(${CMAKE_SIZEOF_VOID_P} QOR_PACKAGE_FILE_NAME)
set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME qor)
set(CPACK_PACKAGE_VENDOR qor)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_FILE_NAME ${QOR_PACKAGE_FILE_NAME})
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
# The sums must match the programs as built: nothing may strip them on the way.
set(CPACK_STRIP_FILES OFF)
include(CPack)

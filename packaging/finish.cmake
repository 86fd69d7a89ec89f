# Run by CPack on the package's staged files before it makes the .deb, doing
# what Debian's own packaging tools do: programs are stripped of their symbols
# and of the notes and compiler comments that nothing at run time reads;
# manual pages and the changelog are compressed, with no name or time stamp in
# the gzip header so that the same sources give the same package.
file(GLOB programs "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/*/bin/*")
foreach(program IN LISTS programs)
  execute_process(COMMAND "${CPACK_TARVI_STRIP}" --remove-section=.comment --remove-section=.note "${program}"
                  COMMAND_ERROR_IS_FATAL ANY)
endforeach()

file(GLOB_RECURSE plain
     "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/*/share/man/*"
     "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/*/share/doc/*/changelog")
foreach(file IN LISTS plain)
  if(NOT file MATCHES "\\.gz$")
    execute_process(COMMAND gzip -9n "${file}" COMMAND_ERROR_IS_FATAL ANY)
  endif()
endforeach()

# Run by CPack on its staged tree: strips what Debian's dh_strip strips and
# CPack's plain strip leaves in, the compiler's .comment and .note sections.
set(program "${CPACK_TEMPORARY_INSTALL_DIRECTORY}${CPACK_PACKAGING_INSTALL_PREFIX}/${CPACK_VORTALIN_PROGRAM}")
execute_process(
    COMMAND "${CPACK_VORTALIN_STRIP}" --remove-section=.comment --remove-section=.note "${program}"
    COMMAND_ERROR_IS_FATAL ANY)

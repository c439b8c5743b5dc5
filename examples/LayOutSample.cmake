# Lays out the sample media: disk1 and disk2 with setup.exe, the script, plain files and files compressed
# in the SZDD format by mscompress (which appends "_"; the media name ends in "_" instead of the last letter).
# Called with -DSAMPLE=<examples/sample> -DOUT=<folder> -DSETUP=<setup.exe> -DTOOL=<tool.exe>.
file(REMOVE_RECURSE "${OUT}")
file(MAKE_DIRECTORY "${OUT}/disk1" "${OUT}/disk2" "${OUT}/work")
file(COPY "${SAMPLE}/disk1/" DESTINATION "${OUT}/disk1")
file(COPY "${SAMPLE}/disk2/" DESTINATION "${OUT}/disk2")
file(COPY "${SETUP}" DESTINATION "${OUT}/disk1")

function(compress source media_name)
  get_filename_component(name "${source}" NAME)
  file(COPY "${source}" DESTINATION "${OUT}/work")
  execute_process(COMMAND mscompress "${OUT}/work/${name}" RESULT_VARIABLE failed)
  if(failed)
    message(FATAL_ERROR "mscompress failed on ${source}")
  endif()
  file(RENAME "${OUT}/work/${name}_" "${media_name}")
endfunction()

compress("${TOOL}" "${OUT}/disk1/tool.ex_")
file(RENAME "${OUT}/disk2/license.txt" "${OUT}/work/license.txt")
compress("${OUT}/work/license.txt" "${OUT}/disk2/license.tx_")
file(REMOVE_RECURSE "${OUT}/work")

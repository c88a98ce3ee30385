# Writes the program's files into SITE gzipped (by zopfli, whose gzip every
# browser unpacks, a little smaller than gzip's own), and SITE/loader.js
# from TEMPLATE with their sizes, gzipped and as they are. BUILD holds the
# program as the linker wrote it; ZOPFLI is the packer.
set(entries "")
foreach(name mudrovan.wasm mudrovan.js)
  execute_process(COMMAND ${ZOPFLI} --gzip -c ${BUILD}/${name} OUTPUT_FILE ${SITE}/${name}.gz RESULT_VARIABLE failed)
  if(failed)
    message(FATAL_ERROR "zopfli could not pack ${name}")
  endif()
  file(SIZE ${BUILD}/${name} size)
  file(SIZE ${SITE}/${name}.gz gzipped)
  string(APPEND entries "\n    { name: \"${name}\", gzipped: ${gzipped}, size: ${size} },")
endforeach()
string(REGEX REPLACE ",$" "\n  " entries "${entries}")
set(PROGRAM_FILES "[${entries}]")
configure_file(${TEMPLATE} ${SITE}/loader.js @ONLY)

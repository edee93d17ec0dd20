# Copies a language's help pages for the help compiler, written in the ANSI code page of the
# language: HTML Help 1 reads the contents and the title in that code page, whatever the pages
# say. The pages are kept in UTF-8 and say so; the copies name their code page instead.
file(REMOVE_RECURSE ${TARGET})
file(MAKE_DIRECTORY ${TARGET})
file(GLOB pages RELATIVE ${SOURCE} ${SOURCE}/*)
foreach(page IN LISTS pages)
  execute_process(COMMAND iconv -f UTF-8 -t ${CODEPAGE} ${SOURCE}/${page}
    OUTPUT_FILE ${TARGET}/${page} RESULT_VARIABLE result)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "${SOURCE}/${page} cannot be written in ${CODEPAGE}")
  endif()
  file(READ ${TARGET}/${page} content)
  string(REPLACE "charset=utf-8" "charset=${CHARSET}" content "${content}")
  file(WRITE ${TARGET}/${page} "${content}")
endforeach()

# Copies one help source, kept in UTF-8, as windows-1251 text. CHM viewers read the
# contents, the index and the title in the code page of the help file's language
# (0x419: windows-1251) whatever the page says, so every source goes over in that code
# page and a page's own charset declaration is made to match.
#
# cmake -DICONV=<iconv> -DIN=<source> -DOUT=<converted> -P to_windows1251.cmake

file(READ "${IN}" text)
string(REPLACE "charset=utf-8" "charset=windows-1251" text "${text}")
file(WRITE "${OUT}.utf8" "${text}")
execute_process(
    COMMAND "${ICONV}" -f UTF-8 -t WINDOWS-1251 "${OUT}.utf8"
    OUTPUT_FILE "${OUT}"
    ERROR_VARIABLE error
    RESULT_VARIABLE result)
file(REMOVE "${OUT}.utf8")
if(NOT result EQUAL 0)
    file(REMOVE "${OUT}")
    # Usually a character that windows-1251 lacks (a typographic sign, say).
    message(FATAL_ERROR "${IN}: cannot convert to windows-1251: ${error}")
endif()

# Writes OUTPUT, a header holding what PROGRAM --help prints as the string kUsageText.
execute_process(COMMAND ${PROGRAM} --help OUTPUT_VARIABLE text RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "${PROGRAM} --help failed: ${status}")
endif()
file(WRITE ${OUTPUT} "#pragma once\ninline constexpr char kUsageText[] = R\"usage(${text})usage\";\n")

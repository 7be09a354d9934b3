# The readers' fuzz targets. Every build replays the seed corpus through them; configured with
# clang and -DSKERRYDESK_FUZZ=ON it also builds one libFuzzer program per reader.
set(SKERRY_FUZZ_TARGETS
    member_file memberFile
    upf_log upfLog
    csv_contacts csvContacts
    update_text updateText
    debian_list debianList
    jpeg_picture jpegPicture
    url_history urlHistory
    http_answer httpAnswer
    iota_json_list iotaJsonList
    adif_log adifLog
    node_stream nodeStream
)
set(SKERRY_FUZZ_SOURCES ${CMAKE_CURRENT_LIST_DIR}/fuzz_input.cpp ${CMAKE_CURRENT_LIST_DIR}/fuzz_store.cpp)
while(SKERRY_FUZZ_TARGETS)
    list(POP_FRONT SKERRY_FUZZ_TARGETS _file _namespace)
    list(APPEND SKERRY_FUZZ_SOURCES ${CMAKE_CURRENT_LIST_DIR}/${_file}_fuzz.cpp)
    list(APPEND SKERRY_FUZZ_PROGRAMS ${_file} ${_namespace})
endwhile()

add_library(skerry_fuzz_targets STATIC ${SKERRY_FUZZ_SOURCES})
target_link_libraries(skerry_fuzz_targets PUBLIC skerry_testsupport)

add_executable(skerry_fuzz_replay_tests ${CMAKE_CURRENT_LIST_DIR}/seed_replay_test.cpp)
target_link_libraries(skerry_fuzz_replay_tests PRIVATE skerry_fuzz_targets GTest::gtest_main)
target_compile_definitions(skerry_fuzz_replay_tests PRIVATE SKERRY_FUZZ_SEEDS="${CMAKE_CURRENT_LIST_DIR}/seeds")
gtest_discover_tests(skerry_fuzz_replay_tests)

if(SKERRYDESK_FUZZ)
    while(SKERRY_FUZZ_PROGRAMS)
        list(POP_FRONT SKERRY_FUZZ_PROGRAMS _file _namespace)
        add_executable(fuzz_${_file} ${CMAKE_CURRENT_LIST_DIR}/libfuzzer_entry.cpp)
        target_compile_definitions(fuzz_${_file} PRIVATE SKERRY_FUZZ_TARGET=${_namespace})
        target_link_libraries(fuzz_${_file} PRIVATE skerry_fuzz_targets)
        target_link_options(fuzz_${_file} PRIVATE -fsanitize=fuzzer)
    endwhile()
endif()

set(SKERRY_CORE_SOURCES
    src/app/clock.cpp
    src/app/paths.cpp
    src/app/text_file.cpp
    src/register/store/database.cpp
    src/register/store/filter.cpp
    src/register/store/schema.cpp
    src/register/store/table.cpp
    src/register/codes.cpp
    src/register/iota_list.cpp
    src/register/delivered_data.cpp
    src/register/start_state.cpp
)

set(SKERRY_CLI_SOURCES
    src/cli/main.cpp
    src/cli/cli.cpp
)

# The statistics of the municipality, without widgets, and their window.
add_library(nubrel_municipal_statistics_core STATIC
    ${CMAKE_CURRENT_LIST_DIR}/MunicipalityStatistics.cpp
)
target_link_libraries(nubrel_municipal_statistics_core PUBLIC nubrel_municipal_data)
nubrel_core_library(nubrel_municipal_statistics_core)

add_library(nubrel_municipal_statistics_window STATIC
    ${CMAKE_CURRENT_LIST_DIR}/TFormEstatistica.cpp
)
target_link_libraries(nubrel_municipal_statistics_window PUBLIC nubrel_municipal_statistics_core nubrel_common_widgets)

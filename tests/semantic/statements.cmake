# Statement checks, generic instantiation and the program passes, over whole documents.
add_library(tuvra_semantic_document_support STATIC ${CMAKE_CURRENT_SOURCE_DIR}/document_analysis.cpp)
target_include_directories(tuvra_semantic_document_support PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
target_link_libraries(tuvra_semantic_document_support PUBLIC tuvra_frontend GTest::gtest)

tuvra_add_test(tuvra_semantic_statements_test
  SOURCES
    ${CMAKE_CURRENT_SOURCE_DIR}/statements_test.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/program_test.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/instantiation_test.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/deep_documents_test.cpp
  LIBS tuvra_semantic_document_support)

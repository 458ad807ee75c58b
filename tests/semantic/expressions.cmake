# Typing of expressions, calls and method calls on an analyser set up by hand.
tuvra_add_test(tuvra_semantic_expressions_test
  SOURCES
    ${CMAKE_CURRENT_SOURCE_DIR}/expression_fixture.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/expressions_test.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/expression_depth_test.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/calls_test.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/methods_test.cpp
  LIBS tuvra_frontend)

# The user's language: the environment's choice, the layers' messages
# translated whole, and the shipped translations finished and loading.
corvessa_test(test_words SOURCES test_words.cpp
  LIBS corvessa_session corvessa_testsupport)
target_compile_definitions(test_words PRIVATE CORVESSA_I18N_DIR="${CMAKE_SOURCE_DIR}/i18n"
  CORVESSA_TRANSLATIONS_DIR="${CORVESSA_OUTPUT_DIR}/translations"
  CORVESSA_ENGLISH_HELP="${CMAKE_SOURCE_DIR}/src/shell/help.html")
add_dependencies(test_words corvessa-translations)

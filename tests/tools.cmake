# The look pack: the generated pic/ folder and the generator itself.
corvessa_test(test_lookpack SOURCES test_lookpack.cpp test_lookpack_subject.cpp LIBS corvessa_lookpack corvessa_testsupport)
add_dependencies(test_lookpack lookpack corvessa-lookpack)
target_compile_definitions(test_lookpack PRIVATE
  CORVESSA_PIC_DIR="${CORVESSA_OUTPUT_DIR}/pic"
  CORVESSA_LOOKPACK_TOOL="$<TARGET_FILE:corvessa-lookpack>")
# The strips of every picture category on generated photos, through
# corvessa-render and the shipped pack.
corvessa_test(test_strip_spread SOURCES test_strip_spread.cpp
  LIBS corvessa_stripspread corvessa_lookpack corvessa_testsupport)
add_dependencies(test_strip_spread lookpack corvessa-render)
target_compile_definitions(test_strip_spread PRIVATE
  CORVESSA_PIC_DIR="${CORVESSA_OUTPUT_DIR}/pic"
  CORVESSA_RENDER_PATH="$<TARGET_FILE:corvessa-render>")

# The look pack: the generated pic/ folder and the generator itself.
corvessa_test(test_lookpack SOURCES test_lookpack.cpp LIBS corvessa_lookpack corvessa_testsupport)
add_dependencies(test_lookpack lookpack corvessa-lookpack)
target_compile_definitions(test_lookpack PRIVATE
  CORVESSA_PIC_DIR="${CORVESSA_OUTPUT_DIR}/pic"
  CORVESSA_LOOKPACK_TOOL="$<TARGET_FILE:corvessa-lookpack>")

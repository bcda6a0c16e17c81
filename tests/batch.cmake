# The batch engine in process: names, planning, the report, cancelling.
corvessa_test(test_batch SOURCES test_batch.cpp
  LIBS corvessa_batch corvessa_testpictures corvessa_testsupport)

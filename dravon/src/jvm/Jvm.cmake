# The JVM host compiles against the JDK's jni.h but never links libjvm: it is
# loaded at run time, so the programs run (without Java) where no JDK is.
find_package(JNI QUIET)
if(NOT JAVA_INCLUDE_PATH)
  message(FATAL_ERROR "jni.h not found: install the JDK (default-jdk-headless) or set JAVA_HOME")
endif()
target_include_directories(dravon PUBLIC ${JAVA_INCLUDE_PATH} ${JAVA_INCLUDE_PATH2})
target_link_libraries(dravon PRIVATE ${CMAKE_DL_LIBS})

# The JVM host compiles against the JDK's jni.h but never links libjvm: it is
# loaded at run time, so the programs run (without Java) where no JDK is.
# Without a JDK the host builds on its own declarations of the invocation
# interface; Init then fails at run time unless a Java runtime appears.
#
# JVM.h hands out JNIEnv*, so its users need jni.h too; they link
# dravon_jni, which carries the include path. The other users of Dravon
# never see it.
find_package(JNI QUIET)
if(JAVA_INCLUDE_PATH)
  set(HALVANE_JNI_INCLUDE_DIRS ${JAVA_INCLUDE_PATH} ${JAVA_INCLUDE_PATH2})
  set(HALVANE_JNI_HEADERS ON CACHE INTERNAL "The JDK's jni.h is used")
else()
  message(STATUS "jni.h not found: the JVM host uses its own JNI declarations")
  set(HALVANE_JNI_INCLUDE_DIRS ${CMAKE_CURRENT_LIST_DIR}/fallback)
  set(HALVANE_JNI_HEADERS OFF CACHE INTERNAL "The JDK's jni.h is used")
endif()
target_include_directories(dravon PRIVATE ${HALVANE_JNI_INCLUDE_DIRS})
add_library(dravon_jni INTERFACE)
target_include_directories(dravon_jni INTERFACE ${HALVANE_JNI_INCLUDE_DIRS})
target_link_libraries(dravon_jni INTERFACE dravon)
target_link_libraries(dravon PRIVATE ${CMAKE_DL_LIBS})

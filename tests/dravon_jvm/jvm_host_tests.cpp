#include <dlfcn.h>
#include <gtest/gtest.h>

#include <thread>

#include "JVM.h"
#include "java_support.h"
#include "probe_support.h"

namespace {

class JvmHostTest : public ::testing::Test {
 protected:
  void SetUp() override {
    REQUIRE_JAR();
    ASSERT_TRUE(jvmtest::StartMachine()) << JVM::GetFailureReason();
  }
};

TEST_F(JvmHostTest, InitTwiceAnswersTheSameAndKeepsOneMachine) {
  EXPECT_NE(0, JVM::Init("/another/class/path.jar", false));
  EXPECT_EQ("", JVM::GetFailureReason());
  using Created = jint (*)(JavaVM**, jsize, jsize*);
  auto created = reinterpret_cast<Created>(dlsym(RTLD_DEFAULT, "JNI_GetCreatedJavaVMs"));
  ASSERT_NE(nullptr, created);
  JavaVM* machines[4] = {};
  jsize count = 0;
  ASSERT_EQ(JNI_OK, created(machines, 4, &count));
  EXPECT_EQ(1, count);

  // The machine still has the first class path, not the second one, with
  // the Windows separators turned into the native ones.
  JNIEnv* env = JVM::GetJNIEnv();
  ASSERT_NE(nullptr, env);
  jclass system = env->FindClass("java/lang/System");
  jmethodID getProperty = env->GetStaticMethodID(system, "getProperty", "(Ljava/lang/String;)Ljava/lang/String;");
  auto value =
      static_cast<jstring>(env->CallStaticObjectMethod(system, getProperty, jvmtest::ToJava(env, "java.class.path")));
  ASSERT_NE(nullptr, value);
  EXPECT_EQ(std::string(HALVANE_JAR) + ":" + HALVANE_BUILD_DIR "/lib/xerces.jar", jvmtest::FromJava(env, value));
}

// Java threads in the main thread group, where attached threads go.
jint LiveJavaThreads(JNIEnv* env) {
  jclass thread = env->FindClass("java/lang/Thread");
  jmethodID activeCount = env->GetStaticMethodID(thread, "activeCount", "()I");
  jint count = env->CallStaticIntMethod(thread, activeCount);
  env->DeleteLocalRef(thread);
  return count;
}

TEST_F(JvmHostTest, EachThreadIsAttachedWhileItRuns) {
  JNIEnv* mainEnv = JVM::GetJNIEnv();
  ASSERT_NE(nullptr, mainEnv);
  EXPECT_EQ(mainEnv, JVM::GetJNIEnv());
  const jint threadsBefore = LiveJavaThreads(mainEnv);
  for (int round = 0; round < 2; ++round) {
    JNIEnv* threadEnv = nullptr;
    JNIEnv* threadEnvAgain = nullptr;
    bool classFound = false;
    jint threadsDuring = 0;
    std::thread worker([&] {
      threadEnv = JVM::GetJNIEnv();
      threadEnvAgain = JVM::GetJNIEnv();
      if (threadEnv == nullptr) return;
      jclass found = threadEnv->FindClass("Velmora/HvEncryptJavaInterface");
      classFound = found != nullptr;
      if (found != nullptr) threadEnv->DeleteLocalRef(found);
      threadsDuring = LiveJavaThreads(threadEnv);
    });
    worker.join();
    ASSERT_NE(nullptr, threadEnv);
    EXPECT_NE(mainEnv, threadEnv);
    EXPECT_EQ(threadEnv, threadEnvAgain);
    EXPECT_TRUE(classFound);
    EXPECT_EQ(threadsBefore + 1, threadsDuring);
    // The thread's end detached it.
    EXPECT_EQ(threadsBefore, LiveJavaThreads(mainEnv));
  }
}

}  // namespace

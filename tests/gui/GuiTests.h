#pragma once

namespace qb::test {

struct GuiSample;

// Each runs one group of tests with Qt Test and returns its count of failures.
int RunStartTests(const GuiSample& sample, int argc, char** argv);
int RunViewCommandTests(const GuiSample& sample, int argc, char** argv);
int RunSaveQuestionTests(const GuiSample& sample, int argc, char** argv);
int RunViewMenuTests(const GuiSample& sample, int argc, char** argv);
int RunViewKindsTests(const GuiSample& sample, int argc, char** argv);
int RunRenderViewTests(const GuiSample& sample, int argc, char** argv);
int RunOpenFromMapTests(const GuiSample& sample, int argc, char** argv);
int RunMapViewTests(const GuiSample& sample, int argc, char** argv);
int RunAreaMoveTests(const GuiSample& sample, int argc, char** argv);
int RunThreeViewsPathTests(const GuiSample& sample, int argc, char** argv);

} // namespace qb::test

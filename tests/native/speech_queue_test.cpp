// The order in which the voice's thread hands the program's sentences to the
// engine, one at a time.
#include "platform/speech_queue.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace morvane::platform {
namespace {

// Runs the requests of one batch, "told A; answer B; said; silence", as the
// window may leave several before the thread wakes, then tells the step the
// engine takes: "say A", "cut", "cut, say B", or "" for none. "notice N 3"
// is about the subjects 3 (one digit); "withdraw 1" adds what it withdrew:
// "(3) say A".
std::string Batch(SpeechQueue& queue, const std::string& requests) {
  const auto said = [](const std::string& text) { return [text](Language) { return text; }; };
  std::istringstream in(requests);
  std::string withdrew;
  for (std::string request; std::getline(in >> std::ws, request, ';');) {
    const std::string word = request.substr(0, request.find(' '));
    const std::string sentence = request.substr(request.find(' ') + 1);
    if (word == "told") queue.Add(SentenceKind::Expiry, said(sentence));
    if (word == "remind") queue.Add(SentenceKind::Reminder, said(sentence));
    if (word == "answer") queue.Add(SentenceKind::Answer, said(sentence));
    if (word == "notice") queue.Add(SentenceKind::Notice, said({sentence[0]}), sentence[2] - '0');
    if (word == "withdraw") withdrew = std::to_string(queue.Withdraw(sentence[0] - '0'));
    if (word == "silence") queue.SilenceTheNames();
    if (word == "said") queue.Said();
  }
  const SpeechQueue::Step step = queue.Next();
  std::string taken = (withdrew.empty() ? "" : "(" + withdrew + ") ") + (step.cut ? "cut" : "");
  if (step.say) taken += (step.cut ? ", say " : "say ") + step.say(kEnglish);
  return taken;
}

TEST(SpeechQueueTest, HandsTheEngineOneSentenceAtATimeInTheirTurns) {
  std::string eleven_told;
  for (int n = 1; n <= 11; ++n) eleven_told += "told " + std::to_string(n) + "; ";
  const struct {
    const char* story;
    std::vector<std::string> batches;
    std::vector<std::string> steps;
  } cases[] = {
      {"told sentences wait their turn",
       {"told A; told B", "", "said", "said"}, {"say A", "", "say B", ""}},
      {"a reminder never waits behind another sentence",
       {"told A; remind R", "remind S", "said", "remind T"}, {"say A", "", "", "say T"}},
      {"an answer comes next, and replaces an answer",
       {"told A; told B", "answer X", "answer Y", "said", "answer Z", "said", "said"},
       {"say A", "", "", "say Y", "cut, say Z", "say B", ""}},
      {"silence drops what waits and cuts what is said",
       {"told A; told B", "silence", "said", "told C"}, {"say A", "cut", "", "say C"}},
      {"silencing the names leaves answers and notices alone",
       {"told A; notice N 1; answer X", "silence", "said", "said"}, {"say X", "", "say N", ""}},
      {"a notice takes its turn unless it is withdrawn first",
       {"told A; notice N 3; notice M 4", "withdraw 1", "said", "withdraw 4", "said"},
       {"say A", "(3) ", "say M", "(0) ", ""}},
      {"the oldest of too many told sentences are lost",
       {"answer X; " + eleven_told, "said"}, {"say X", "say 4"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.story);
    SpeechQueue queue;
    std::vector<std::string> steps;
    for (const std::string& batch : c.batches) steps.push_back(Batch(queue, batch));
    EXPECT_EQ(steps, c.steps);
  }
}

}  // namespace
}  // namespace morvane::platform

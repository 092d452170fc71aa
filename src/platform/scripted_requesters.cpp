#include "platform/scripted_requesters.h"

namespace tavisk {

namespace {

template <typename T>
T TakeFront(std::deque<T>& queue, T cancelled) {
  if (queue.empty()) return cancelled;
  T answer = std::move(queue.front());
  queue.pop_front();
  return answer;
}

}  // namespace

void ScriptedRequesters::Message(const std::string& title, const std::string& text,
                                 MessageIcon icon) {
  Messages.push_back({title, text, icon});
}

std::string ScriptedRequesters::OpenFile(const std::string& title, const std::string& defaultFile,
                                         const std::string& pattern, int) {
  Asked.push_back({"open", title, pattern, defaultFile});
  return TakeFront(FileAnswers, std::string());
}

std::string ScriptedRequesters::SaveFile(const std::string& title, const std::string& defaultFile,
                                         const std::string& pattern, int) {
  Asked.push_back({"save", title, pattern, defaultFile});
  return TakeFront(FileAnswers, std::string());
}

int64_t ScriptedRequesters::Color(int64_t initial) {
  Asked.push_back({"color", "", "", std::to_string(initial)});
  return TakeFront(ColorAnswers, int64_t{-1});
}

std::optional<FontChoice> ScriptedRequesters::Font(const std::string& name, int size) {
  Asked.push_back({"font", "", std::to_string(size), name});
  if (FontAnswers.empty()) return std::nullopt;
  return TakeFront(FontAnswers, FontChoice{});
}

std::string ScriptedRequesters::Input(const std::string& title, const std::string& prompt,
                                      const std::string& initial) {
  Asked.push_back({"input", title, prompt, initial});
  return TakeFront(InputAnswers, std::string());
}

SaveAnswer ScriptedRequesters::AskToSave(const std::string& title, const std::string& text) {
  Asked.push_back({"ask-save", title, text, ""});
  return TakeFront(SaveAnswers, SaveAnswer::Cancel);
}

std::optional<bool> ScriptedRequesters::AskYesNo(const std::string& title,
                                                 const std::string& text) {
  Asked.push_back({"yes-no", title, text, ""});
  return TakeFront(YesNoAnswers, std::optional<bool>());
}

}  // namespace tavisk

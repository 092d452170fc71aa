#include "document/editor_context.h"

namespace tavisk {

namespace {

// Answers every requester as cancelled and shows nothing: the context works
// before a shell or a test installs real requesters.
class SilentRequesters : public Requesters {
 public:
  void Message(const std::string&, const std::string&, MessageIcon) override {}
  std::string OpenFile(const std::string&, const std::string&, const std::string&,
                       int) override {
    return {};
  }
  std::string SaveFile(const std::string&, const std::string&, const std::string&,
                       int) override {
    return {};
  }
  int64_t Color(int64_t) override { return -1; }
  std::optional<FontChoice> Font(const std::string&, int) override { return std::nullopt; }
  std::string Input(const std::string&, const std::string&, const std::string&) override {
    return {};
  }
  SaveAnswer AskToSave(const std::string&, const std::string&) override {
    return SaveAnswer::Cancel;
  }
  std::optional<bool> AskYesNo(const std::string&, const std::string&) override {
    return std::nullopt;
  }
};

SilentRequesters gSilentRequesters;
EditorHooks gNoHooks;

}  // namespace

EditorContext::EditorContext() : Req(&gSilentRequesters), Hooks(&gNoHooks) {
  SetDefaultOptions(Options);
}

sObject* EditorContext::CurrentObjectPtr() {
  return ValidIndex(Obj, CurrentObject) ? &Obj[static_cast<size_t>(CurrentObject)] : nullptr;
}

sShape* EditorContext::CurrentShapePtr() {
  sObject* object = CurrentObjectPtr();
  if (object == nullptr || !ValidIndex(object->Shape, CurrentShape)) return nullptr;
  return &object->Shape[static_cast<size_t>(CurrentShape)];
}

sShapeFx* EditorContext::CurrentFxPtr() {
  sShape* shape = CurrentShapePtr();
  if (shape == nullptr || !ValidIndex(shape->Fx, CurrentFx)) return nullptr;
  return &shape->Fx[static_cast<size_t>(CurrentFx)];
}

}  // namespace tavisk

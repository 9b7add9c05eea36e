#pragma once
// A backend without windows, for tests. It records what the model asks of a platform, plays
// scripted popup choices and modal sessions, and runs timers on a virtual clock, so that
// fades and refreshes are tested tick by tick.
//
// Text is measured by a fixed rule instead of a font: a line is
// round(code points × size × 0.55 × (bold ? 1.1 : 1)) pixels wide and
// round(size × 96 / 72 × 1.25) pixels high; the empty text is 0 wide and one line high.
#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "toolkit/backend.h"
#include "toolkit/form.h"

namespace hv::tk {

class HeadlessBackend : public Backend {
 public:
  struct FormRecord {
    int created = 0;
    int shown = 0;
    int shownModal = 0;
    int hidden = 0;
    int destroyed = 0;
    int repaints = 0;  // RepaintNow calls
    int captionChanges = 0;
    bool layered = false;
    std::vector<std::uint8_t> alphas;  // every alpha set, in order
    std::vector<Rect> invalidated;
  };
  struct PopupRecord {
    std::string form;
    std::string menu;
    int x = 0, y = 0;
    bool atPointer = false;
    std::optional<int> defaultItem;
  };
  struct ModalRecord {
    std::string form;
    std::string owner;            // empty: no owner
    bool returnedLoaded = false;  // the driver left the form loaded
  };

  // Records by form name; a form that never reached the backend has an empty record.
  const FormRecord& Record(const std::string& formName) const;
  const FormRecord& Record(const Form& form) const { return Record(form.Name()); }
  // "created F1", "shown F1", "modal F2 over F1", "hidden F2", "destroyed F2" in order.
  const std::vector<std::string>& Events() const { return events_; }

  const std::vector<CursorKind>& AppCursors() const { return appCursors_; }
  CursorKind AppCursor() const;  // the latest, Default before any
  const std::string& Clipboard() const { return clipboard_; }
  int ClipboardWrites() const { return clipboardWrites_; }
  // Windowed controls resynced and controls whose cursor changed, by name, in order.
  const std::vector<std::string>& ControlChanges() const { return controlChanges_; }
  const std::vector<std::string>& CursorChanges() const { return cursorChanges_; }

  // Popups: each opened popup takes the next scripted answer; none left gives nullopt.
  void QueuePopupAnswer(std::optional<int> item) { popupAnswers_.push_back(item); }
  const std::vector<PopupRecord>& Popups() const { return popups_; }

  // Modal forms: ShowModal runs the driver (if any) and returns when it does.
  std::function<void(Form&)> modalDriver;
  const std::vector<ModalRecord>& Modals() const { return modals_; }

  // DoEvents counts and then runs the hook, which may re-enter handlers.
  std::function<void()> doEventsHook;
  int DoEventsCount() const { return doEvents_; }

  // Timers. Tick fires one tick of the timer if it is enabled; TickEnabled one tick of every
  // timer enabled when it starts, in creation order; AdvanceMs moves the virtual clock and
  // fires each enabled timer every Interval ms, earliest due first (ties in creation order).
  void Tick(Timer& timer);
  void TickEnabled();
  void AdvanceMs(std::int64_t ms);
  std::int64_t NowMs() const { return now_; }

  // Backend.
  void FormCreated(Form& form) override;
  void ShowForm(Form& form) override;
  void ShowModal(Form& form, Form* owner) override;
  void HideForm(Form& form) override;
  void DestroyForm(Form& form) override;
  void FormDestroying(Form& form) override;
  void Invalidate(Form& form, const Rect& clientRect) override;
  void RepaintNow(Form& form) override;
  void ControlChanged(Control& control) override;
  void TimerChanged(Timer& timer) override;
  void FormCaptionChanged(Form& form) override;
  void SetLayeredAlpha(Form& form, std::uint8_t alpha) override;
  void SetAppCursor(CursorKind cursor) override;
  void ControlCursorChanged(Control& control) override;
  std::optional<int> PopupMenu(Form& form, const Menu& menu, int x, int y, bool atPointer,
                               std::optional<int> defaultItem) override;
  void SetClipboardText(const std::string& utf8) override;
  TextSize MeasureText(const Font& font, const std::string& utf8) override;
  void DoEvents() override;
  void EndProgram() override { ended_ = true; }
  bool Ended() const override { return ended_; }

 private:
  void Note(Form& form);  // remembers a form whose timers the clock may fire
  std::vector<Timer*> TimersInOrder() const;
  bool Alive(const Timer* timer) const;

  std::map<std::string, FormRecord> records_;
  std::vector<std::string> events_;
  std::vector<CursorKind> appCursors_;
  std::string clipboard_;
  int clipboardWrites_ = 0;
  std::vector<std::string> controlChanges_;
  std::vector<std::string> cursorChanges_;
  std::deque<std::optional<int>> popupAnswers_;
  std::vector<PopupRecord> popups_;
  std::vector<ModalRecord> modals_;
  int doEvents_ = 0;
  bool ended_ = false;

  std::vector<Form*> forms_;                  // in the order they were first seen
  std::map<const Timer*, std::int64_t> due_;  // enabled timers' next tick
  std::int64_t now_ = 0;
};

}  // namespace hv::tk

// The number-choice dialog TForm6 (module Zahlenwahl) on screen: 70 check boxes in ten rows of
// seven with their weights as tooltips, the closing buttons, the random pick driven by a 25 ms
// timer and the value-list buttons. The model decides everything; the dialog shows it after
// each action and each timer tick.
#pragma once

#include <QDialog>
#include <array>
#include <cstdint>
#include <functional>
#include <optional>

#include "app/number_choice_form.h"
#include "form/platform.h"

class QCheckBox;
class QLabel;
class QPushButton;
class QTimer;
class QToolButton;

namespace numora {

class DateField;

class ZahlenwahlDialog : public QDialog {
  Q_OBJECT

 public:
  static constexpr int kColumns = 7;

  // The platform answers the value lists' file dialogs and shows their errors.
  ZahlenwahlDialog(TForm6& model, Platform& platform, QWidget* parent = nullptr);

  // How the dialog was closed: OK, Abort, Retry ("Calculate"), or Cancel (close box, Escape).
  ModalResult modalResult() const { return result_; }

  // Shows what changed in the model and runs the timer as long as the model's pick runs.
  void refresh();

  void done(int result) override;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void buildBoxes();
  void buildButtons();
  // Runs a user action on the model; errors become message boxes. Then shows the model.
  void forward(const std::function<void()>& action);
  void closeWith(ModalResult result);
  // A click on a button or box: a date being typed is read first, as leaving its field would;
  // after typed text that is no date, the click runs nothing.
  void click(const std::function<void()>& action);
  void showBox(int number);
  void centreOnParent();

  TForm6& model_;
  Platform& platform_;
  std::array<QCheckBox*, NumberChoiceDialog::kNumbers> boxes_{};
  std::array<BoxColour, NumberChoiceDialog::kNumbers> shownColours_{};
  QPushButton* ok_ = nullptr;
  QPushButton* abort_ = nullptr;
  QPushButton* calculate_ = nullptr;
  QPushButton* random_ = nullptr;
  QToolButton* saveList_ = nullptr;
  QToolButton* loadList_ = nullptr;
  DateField* date_ = nullptr;
  // Under the draw entry's date: why typed text was no date.
  QLabel* dateHint_ = nullptr;
  QCheckBox* midday_ = nullptr;
  // "N of K numbers" while a tip is edited.
  QLabel* count_ = nullptr;
  QTimer* timer_ = nullptr;
  std::uint64_t shownCount_ = 0;
  bool shown_ = false;
  ModalResult result_ = ModalResult::Cancel;
  std::optional<ModalResult> closingResult_;
};

}  // namespace numora

#pragma once

#include <QDialog>

#include <memory>

class QListWidgetItem;

namespace Ui {
class newcampaign;
}

// Asks for the type of a new campaign and for its campaign map or background. It changes
// nothing itself: after an accepted run the main window builds the campaign from the answer.
class NewCampaign : public QDialog {
    Q_OBJECT

public:
    explicit NewCampaign(QWidget *parent = nullptr);
    ~NewCampaign() override;

    // A campaign with map was chosen.
    bool isWithMap() const;
    // The chosen campaign map id or background index; -1 when the list is empty.
    int selectedId() const;

private slots:
    void campWithMapSelected();
    void campWithoutMapSelected();
    void clickOnListboxItem(QListWidgetItem *current, QListWidgetItem *previous);

private:
    std::unique_ptr<Ui::newcampaign> ui;
};

#pragma once

#include <QDialog>

#include <memory>

struct CmpCampaign;

namespace Ui {
class ConvertCampaign;
}

// Turns a campaign into the other type: a campaign with map into one without map on a chosen
// background, a campaign without map into one on a chosen campaign map.
class ConvertCampaign : public QDialog {
    Q_OBJECT

public:
    // The dialog converts `campaign`, which must outlive it.
    explicit ConvertCampaign(CmpCampaign &campaign, QWidget *parent = nullptr);
    ~ConvertCampaign() override;

    // After acceptance: asks for consent and converts the campaign to the selected background
    // or campaign map. Returns whether the campaign was converted.
    bool convert();

private slots:
    void selectionChanged();

private:
    void fillChoices();
    int selectedChoice() const;

    std::unique_ptr<Ui::ConvertCampaign> ui;
    CmpCampaign &campaign;
    bool toWithMap = false;
};

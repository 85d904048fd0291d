#pragma once

#include <QDialog>
#include <QString>

#include <memory>

struct CmpCampaign;

namespace Ui {
class EditCampaign;
}

// "Campaign Properties": the campaign's name, description, music, background or campaign map
// and its two flags, with a button that plays the chosen music. The campaign changes only in
// applyTo, after OK.
class EditCampaign : public QDialog {
    Q_OBJECT

public:
    EditCampaign(QWidget *parent, CmpCampaign *campaign);
    // Closing the dialog in any way stops its music.
    ~EditCampaign() override;

    // Writes every field that differs into campaign and marks the campaign modified for it. A
    // change of campaign map is asked for first and renumbers the scenarios.
    void applyTo(CmpCampaign &campaign);

private slots:
    void bgSelected(int index);
    void changeMusicSelection(int index);
    void playPauseMusic();
    void descrEditChanged();

private:
    void fillMusicList();
    void fillBackgrounds();
    void fillCampaignMaps();
    void showPlayIcon(bool playing);

    CmpCampaign *campaign;
    // The name and description as the widgets showed them when the dialog opened.
    QString shownName;
    QString shownDescription;
    bool musicPlaying = false;
    std::unique_ptr<Ui::EditCampaign> ui;
};

#pragma once
#include "form_view.h"
#include "top_ten.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

class TLabel;

// Hears the name (Windows-1252) each time a player's name is stored in a top ten; none is set
// outside the program.
inline std::function<void(const std::string&)> TopTenNameSink;

// The top-ten table of the game just played, shown as the left page of the games menu. When the
// new score reached the first ten rows, "Congratulations" and a name box over the new row invite the
// player's name, which is stored on Enter or when the page is left.
class TTopTenView : public TFormView {
  public:
    TTopTenView();
    ~TTopTenView() override;

    void Load() override;
    void KeyDown(QObject* Sender, std::uint16_t& Key, TShiftState Shift) override;
    void Unload() override;

    // Loads the table of TableName ("bubbles", "wordtris", "Clouds"), creating a missing file with
    // the default rows, ranks Score under Name and fills the labels. Saves nothing else: only a
    // committed name stores the new row.
    void ShowResult(const std::string& TableName, const std::string& Name, std::int32_t Score);
    // Stores the name typed in the name box ("Anonymous" when empty) with the new row.
    void CommitName();
    void FillLabels();
    void CollectLabels();
    // Shows, in small print under the table, the shared folder the tables come from (none by default).
    void ShowScoreFolder();

    std::vector<TLabel*> NameLabels;
    std::vector<TLabel*> PointLabels;
    std::vector<TLabel*> DateLabels;
    std::unique_ptr<TtopTen> Table;
    std::int32_t NewRank = 0;

  private:
    bool WaitingForName() const;
};

// The one top-ten view of the program, made on first use and kept for the whole run.
extern TTopTenView* TopTenView;
TTopTenView* EnsureTopTenView();

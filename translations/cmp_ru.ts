<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>AboutVadOz</name>
    <message>
        <source>About Campaign Editor</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BonusCreatureDlg</name>
    <message>
        <source>Form</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hero:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quantity:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Creature type:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BonusDialog</name>
    <message>
        <source>Edit Starting Bonus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select a bonus type:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spell</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Creature</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Building</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Artifact</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spell scroll</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Primary skill</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Secondary skill</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Resource</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CampaignFile</name>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Maps in this campaign contain corrupted data, and campaign can&apos;t be opened.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can&apos;t open file %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot write file %1:
%2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid campaign file version!

File version = %1
Current version = %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid campaign file subversion!

File subversion = %1
Current subversion = %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This campaign was made for a newer version of Tarq %1.%2.%3. It is impossible to open it in older version.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This campaign was made for an older version of Tarq %1.%2.%3, and the author of the campaign restricted its launch in newer versions of Tarq. You can edit this campaign, but its Tarq version will be updated to %4.%5.%6, and in this version the map may become unplayable.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ConvertCampaign</name>
    <message>
        <source>Convert Campaign</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Convert to...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Background</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scenario count:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Region count:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you really want to convert the campaign to different type? Some scenarios will be deleted!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you really want to convert the campaign to different type?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save changes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Convert to campaign with map</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Convert to campaign without map</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Map</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Some scenarios will be deleted!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>EditCampaign</name>
    <message>
        <source>Campaign Properties</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Description</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Music</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Background</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Map:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scenario &amp;difficulty is user selectable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Forbid launch in newer Tarq versions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Map</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tarq %1.%2.%3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save changes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you really want to change the background?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HeroCrossover</name>
    <message>
        <source>Form</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Source scenario</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Player position</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HeroCrossoverDialog</name>
    <message>
        <source>Edit Hero Crossover Option</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Source scenario:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Player position: </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Veldmark Campaign Editor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;New...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+N</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+O</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+S</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save As...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Texts...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import Texts...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Refresh Scenario Maps</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+R</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Scenario Maps</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+E</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Campaign Properties</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+Enter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scenario Properties</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About Campaign Editor...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Convert campaign...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Veldmark: Tarq Campaign Editor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 - %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Untitled.y6c</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1%3 - %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;%1 %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot read file %1:
%2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Map File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Veldmark campaign (*.y6c);;All Files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save As</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Campaign version will be updated and it will be impossible to open the campaign in older versions of Tarq campaign editor. Do you really want to save the campaign?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Campaign version will be updated and it will be impossible to open the campaign in older versions of Tarq campaign editor. Do you really want to save the %1?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text files (*.txt);;All Files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot write file %1:
%2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot read file %1 - incorrect campaign text:
%2.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MapBrowser</name>
    <message>
        <source>Form</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MusicPlayer</name>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed to open the sound driver.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MyQGraphicsView</name>
    <message>
        <source>Properties...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NewCampaign</name>
    <message>
        <source>Campaign map</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Campaign background</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Cannot read file %1. Map has errors.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This map was made for an newer version of Tarq %1.%2.%3. This map cannot be added to campaign in version %4.%5.%6.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This map was made for an older version of Tarq %1.%2.%3, and the author of the map restricted its use in campaigns of newer versions of Tarq. This map cannot be added to campaign in version %4.%5.%6.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown map format - probably of newer Tarq versions.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Most powerful hero</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Generated hero</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> (in town)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Random hero</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> (on map)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Give %1 spell to %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Give %1 %2 to %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Build %1 at Main Town</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Give %1 to %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Give %1 Spell Scroll to %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Receive %1 %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown bonus (type %1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Player %1 (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 — %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1. Empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No scenario</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1. %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Basic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Expert</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can&apos;t find %1 file in lod file</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RegionPicture</name>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can&apos;t find %1 file in lod file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to generate image</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ScenarioCrossover</name>
    <message>
        <source>Form</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Crossover heroes details</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Experience</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Primary Skills</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Secondary Skills</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spells</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Artifacts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Creature types:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>None</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Crossover Artifacts:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ScenarioGeneral</name>
    <message>
        <source>Form</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Region name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scenario name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(None)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Region color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Map file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Default difficulty:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prerequisites:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Region right-click text:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Veldmark map (*.y6m);;All Files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot read file %1:
%2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ScenarioInfo</name>
    <message>
        <source>Scenario Properties</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scenario list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete all</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>General</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prologue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Epilogue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Crossover Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Starting Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you really want to delete all scenarios?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ScenarioPrologue</name>
    <message>
        <source>Form</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Has prologue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Video:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Music:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Message:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Has epilogue</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ScenarioStartOptions</name>
    <message>
        <source>Form</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Starting options are:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Starting bonus options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hero crossover options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Starting hero options</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StartingBonus</name>
    <message>
        <source>Form</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Player position:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Starting bonus option</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StartingHeroDialog</name>
    <message>
        <source>Edit Starting Hero Option</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hero Identity:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Player position: </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StartingHeroOptions</name>
    <message>
        <source>Form</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hero</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Player position</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>bonus_multibox_dlg</name>
    <message>
        <source>Form</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recipient:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Item 1:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Item 2:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spell:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Building:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Artifact:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Skill:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Skill level:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>bonus_value_dlg</name>
    <message>
        <source>Form</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Datatype:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Value1:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recipient:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Attack skill:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Defense skill:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spell power:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Knowledge:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Resource type:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quantity</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Veldmark Campaign Editor cannot be launched because Tarq_settings.ini was not found. 
Tarq_settings.ini must be in Veldmark root folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Campaign Editor cannot be launched because Tarq.dat was not found. 
Tarq.dat must be in Veldmark root folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error in Tarq_Settings.ini: field &quot;Tarq.dat Text Encoding&quot; is invalid.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>newcampaign</name>
    <message>
        <source>New Campaign</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Campaign type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Campaign with map</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Campaign without map</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Campaign map</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>

<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>AboutVadOz</name>
    <message>
        <source>About Campaign Editor</source>
        <translation>About Campaign Editor</translation>
    </message>
</context>
<context>
    <name>BonusCreatureDlg</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Hero:</source>
        <translation>Hero:</translation>
    </message>
    <message>
        <source>Quantity:</source>
        <translation>Quantity:</translation>
    </message>
    <message>
        <source>Creature type:</source>
        <translation>Creature type:</translation>
    </message>
</context>
<context>
    <name>BonusDialog</name>
    <message>
        <source>Edit Starting Bonus</source>
        <translation>Edit Starting Bonus</translation>
    </message>
    <message>
        <source>Select a bonus type:</source>
        <translation>Select a bonus type:</translation>
    </message>
    <message>
        <source>Spell</source>
        <translation>Spell</translation>
    </message>
    <message>
        <source>Creature</source>
        <translation>Creature</translation>
    </message>
    <message>
        <source>Building</source>
        <translation>Building</translation>
    </message>
    <message>
        <source>Artifact</source>
        <translation>Artifact</translation>
    </message>
    <message>
        <source>Spell scroll</source>
        <translation>Spell scroll</translation>
    </message>
    <message>
        <source>Primary skill</source>
        <translation>Primary skill</translation>
    </message>
    <message>
        <source>Secondary skill</source>
        <translation>Secondary skill</translation>
    </message>
    <message>
        <source>Resource</source>
        <translation>Resource</translation>
    </message>
</context>
<context>
    <name>CampaignCheck</name>
    <message>
        <source>A bonus names spell %1, which the game does not have.</source>
        <translation>A bonus names spell %1, which the game does not have.</translation>
    </message>
    <message>
        <source>A bonus names creature %1, which the game does not have.</source>
        <translation>A bonus names creature %1, which the game does not have.</translation>
    </message>
    <message>
        <source>A bonus names artifact %1, which the game does not have.</source>
        <translation>A bonus names artifact %1, which the game does not have.</translation>
    </message>
    <message>
        <source>A bonus names secondary skill %1 at level %2, which the game does not have.</source>
        <translation>A bonus names secondary skill %1 at level %2, which the game does not have.</translation>
    </message>
    <message>
        <source>A bonus names resource %1, which the game does not have.</source>
        <translation>A bonus names resource %1, which the game does not have.</translation>
    </message>
    <message>
        <source>A starting bonus is of type %1, which the game does not know.</source>
        <translation>A starting bonus is of type %1, which the game does not know.</translation>
    </message>
    <message>
        <source>Prologue page %1 shows video %2, which the game does not have.</source>
        <translation>Prologue page %1 shows video %2, which the game does not have.</translation>
    </message>
    <message>
        <source>Epilogue page %1 shows video %2, which the game does not have.</source>
        <translation>Epilogue page %1 shows video %2, which the game does not have.</translation>
    </message>
    <message>
        <source>Prologue page %1 plays music %2, which the game does not have.</source>
        <translation>Prologue page %1 plays music %2, which the game does not have.</translation>
    </message>
    <message>
        <source>Epilogue page %1 plays music %2, which the game does not have.</source>
        <translation>Epilogue page %1 plays music %2, which the game does not have.</translation>
    </message>
    <message>
        <source>Crossover heroes keep creatures the game does not have: %1.</source>
        <translation>Crossover heroes keep creatures the game does not have: %1.</translation>
    </message>
    <message>
        <source>Crossover heroes keep artifacts the game does not have: %1.</source>
        <translation>Crossover heroes keep artifacts the game does not have: %1.</translation>
    </message>
    <message>
        <source>The campaign plays music %1, which the game does not have.</source>
        <translation>The campaign plays music %1, which the game does not have.</translation>
    </message>
    <message>
        <source>The region colour %1 is not one of the eight player colours.</source>
        <translation>The region colour %1 is not one of the eight player colours.</translation>
    </message>
    <message>
        <source>The map %1 is damaged and cannot be unpacked.</source>
        <translation>The map %1 is damaged and cannot be unpacked.</translation>
    </message>
    <message>
        <source>The map %1 is cut short and cannot be read.</source>
        <translation>The map %1 is cut short and cannot be read.</translation>
    </message>
    <message>
        <source>The region %1 has no scenario map and stays empty.</source>
        <translation>The region %1 has no scenario map and stays empty.</translation>
    </message>
    <message>
        <source>The map %1 has no name.</source>
        <translation>The map %1 has no name.</translation>
    </message>
    <message>
        <source>The scenario requires itself, so it can never be played.</source>
        <translation>The scenario requires itself, so it can never be played.</translation>
    </message>
    <message>
        <source>These scenarios require each other in a circle, so none of them can be played: %1.</source>
        <translation>These scenarios require each other in a circle, so none of them can be played: %1.</translation>
    </message>
    <message>
        <source>No scenario of the campaign has a map.</source>
        <translation>No scenario of the campaign has a map.</translation>
    </message>
    <message>
        <source>Every scenario requires another one, so no scenario can be played first.</source>
        <translation>Every scenario requires another one, so no scenario can be played first.</translation>
    </message>
    <message>
        <source>The scenario requires %1, which has no map and can never be won.</source>
        <translation>The scenario requires %1, which has no map and can never be won.</translation>
    </message>
    <message>
        <source>The scenario can never be reached: it requires %1, which can never be played.</source>
        <translation>The scenario can never be reached: it requires %1, which can never be played.</translation>
    </message>
    <message>
        <source>The scenario offers %1 starting options; the game shows at most %2.</source>
        <translation>The scenario offers %1 starting options; the game shows at most %2.</translation>
    </message>
    <message>
        <source>The starting bonuses go to %1, whom no human may play on this map.</source>
        <translation>The starting bonuses go to %1, whom no human may play on this map.</translation>
    </message>
    <message>
        <source>%1: %2 does not own this hero on the map.</source>
        <translation>%1: %2 does not own this hero on the map.</translation>
    </message>
    <message>
        <source>%1: the main town of %2 generates no hero.</source>
        <translation>%1: the main town of %2 generates no hero.</translation>
    </message>
    <message>
        <source>A bonus builds building %1, but %2 has no main town of a known type.</source>
        <translation>A bonus builds building %1, but %2 has no main town of a known type.</translation>
    </message>
    <message>
        <source>A bonus builds building %1, which a main town of type %2 (that of %3) cannot have.</source>
        <translation>A bonus builds building %1, which a main town of type %2 (that of %3) cannot have.</translation>
    </message>
    <message>
        <source>The starting hero %1 goes to %2, whom no human may play on this map.</source>
        <translation>The starting hero %1 goes to %2, whom no human may play on this map.</translation>
    </message>
    <message>
        <source>The starting hero %1: %2 does not own this hero on the map and has no main town that generates a hero.</source>
        <translation>The starting hero %1: %2 does not own this hero on the map and has no main town that generates a hero.</translation>
    </message>
    <message>
        <source>The starting hero %1 of %2: the map keeps this hero out of the game.</source>
        <translation>The starting hero %1 of %2: the map keeps this hero out of the game.</translation>
    </message>
    <message>
        <source>The hero from %1 goes to %2, whom no human may play on this map.</source>
        <translation>The hero from %1 goes to %2, whom no human may play on this map.</translation>
    </message>
    <message>
        <source>The hero from %1 cannot come over: that scenario is not won before this one.</source>
        <translation>The hero from %1 cannot come over: that scenario is not won before this one.</translation>
    </message>
    <message>
        <source>The hero from %1 is offered more than once.</source>
        <translation>The hero from %1 is offered more than once.</translation>
    </message>
    <message>
        <source>The campaign has no name.</source>
        <translation>The campaign has no name.</translation>
    </message>
    <message>
        <source>The campaign description has %1 characters; the game shows %2.</source>
        <translation>The campaign description has %1 characters; the game shows %2.</translation>
    </message>
    <message>
        <source>The region text has %1 characters; the game shows %2.</source>
        <translation>The region text has %1 characters; the game shows %2.</translation>
    </message>
</context>
<context>
    <name>CampaignFile</name>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Maps in this campaign contain corrupted data, and campaign can&apos;t be opened.
</source>
        <translation>Maps in this campaign contain corrupted data, and campaign can&apos;t be opened.
</translation>
    </message>
    <message>
        <source>Can&apos;t open file %1</source>
        <translation>Can&apos;t open file %1</translation>
    </message>
    <message>
        <source>Cannot write file %1:
%2.</source>
        <translation>Cannot write file %1:
%2.</translation>
    </message>
    <message>
        <source>Invalid campaign file version!

File version = %1
Current version = %2</source>
        <translation>Invalid campaign file version!

File version = %1
Current version = %2</translation>
    </message>
    <message>
        <source>Invalid campaign file subversion!

File subversion = %1
Current subversion = %2</source>
        <translation>Invalid campaign file subversion!

File subversion = %1
Current subversion = %2</translation>
    </message>
    <message>
        <source>This campaign was made for a newer version of Tarq %1.%2.%3. It is impossible to open it in older version.
</source>
        <translation>This campaign was made for a newer version of Tarq %1.%2.%3. It is impossible to open it in older version.
</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>This campaign was made for an older version of Tarq %1.%2.%3, and the author of the campaign restricted its launch in newer versions of Tarq. You can edit this campaign, but its Tarq version will be updated to %4.%5.%6, and in this version the map may become unplayable.</source>
        <translation>This campaign was made for an older version of Tarq %1.%2.%3, and the author of the campaign restricted its launch in newer versions of Tarq. You can edit this campaign, but its Tarq version will be updated to %4.%5.%6, and in this version the map may become unplayable.</translation>
    </message>
    <message>
        <source>the written campaign would not read back as this campaign</source>
        <translation>the written campaign would not read back as this campaign</translation>
    </message>
</context>
<context>
    <name>CampaignFolder</name>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Cannot read file %1:
%2.</source>
        <translation>Cannot read file %1:
%2.</translation>
    </message>
    <message>
        <source>Cannot write file %1:
%2.</source>
        <translation>Cannot write file %1:
%2.</translation>
    </message>
    <message>
        <source>scenarios[%1].mapData: %2 lies outside the folder</source>
        <translation>scenarios[%1].mapData: %2 lies outside the folder</translation>
    </message>
</context>
<context>
    <name>CampaignJson</name>
    <message>
        <source>missing</source>
        <translation>missing</translation>
    </message>
    <message>
        <source>expected an object</source>
        <translation>expected an object</translation>
    </message>
    <message>
        <source>unknown key</source>
        <translation>unknown key</translation>
    </message>
    <message>
        <source>expected an array</source>
        <translation>expected an array</translation>
    </message>
    <message>
        <source>expected %1 entries, found %2</source>
        <translation>expected %1 entries, found %2</translation>
    </message>
    <message>
        <source>%1 entries, but the campaign file holds at most %2</source>
        <translation>%1 entries, but the campaign file holds at most %2</translation>
    </message>
    <message>
        <source>expected a whole number from %1 to %2</source>
        <translation>expected a whole number from %1 to %2</translation>
    </message>
    <message>
        <source>%1 is not a whole number from %2 to %3</source>
        <translation>%1 is not a whole number from %2 to %3</translation>
    </message>
    <message>
        <source>expected true or false</source>
        <translation>expected true or false</translation>
    </message>
    <message>
        <source>expected an object or null</source>
        <translation>expected an object or null</translation>
    </message>
    <message>
        <source>expected the name of a map file or null</source>
        <translation>expected the name of a map file or null</translation>
    </message>
    <message>
        <source>expected a text</source>
        <translation>expected a text</translation>
    </message>
    <message>
        <source>the character &quot;%1&quot; (U+%2) cannot be written in the campaign file&apos;s code page %3</source>
        <translation>the character &quot;%1&quot; (U+%2) cannot be written in the campaign file&apos;s code page %3</translation>
    </message>
    <message>
        <source>not JSON: %1 at byte %2</source>
        <translation>not JSON: %1 at byte %2</translation>
    </message>
    <message>
        <source>unknown layout &quot;%1&quot;; this program reads &quot;%2&quot;</source>
        <translation>unknown layout &quot;%1&quot;; this program reads &quot;%2&quot;</translation>
    </message>
    <message>
        <source>expected &quot;%1&quot;</source>
        <translation>expected &quot;%1&quot;</translation>
    </message>
    <message>
        <source>campaign map %1 has %2 regions, so the campaign has %2 scenarios, not %3</source>
        <translation>campaign map %1 has %2 regions, so the campaign has %2 scenarios, not %3</translation>
    </message>
    <message>
        <source>scenarioCount is %1, but there are %2 scenarios</source>
        <translation>scenarioCount is %1, but there are %2 scenarios</translation>
    </message>
</context>
<context>
    <name>ConvertCampaign</name>
    <message>
        <source>Convert Campaign</source>
        <translation>Convert Campaign</translation>
    </message>
    <message>
        <source>Convert to...</source>
        <translation>Convert to...</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Background</translation>
    </message>
    <message>
        <source>Scenario count:</source>
        <translation>Scenario count:</translation>
    </message>
    <message>
        <source>Region count:</source>
        <translation>Region count:</translation>
    </message>
    <message>
        <source>Do you really want to convert the campaign to different type? Some scenarios will be deleted!</source>
        <translation>Do you really want to convert the campaign to different type? Some scenarios will be deleted!</translation>
    </message>
    <message>
        <source>Do you really want to convert the campaign to different type?</source>
        <translation>Do you really want to convert the campaign to different type?</translation>
    </message>
    <message>
        <source>Save changes</source>
        <translation>Save changes</translation>
    </message>
    <message>
        <source>Convert to campaign with map</source>
        <translation>Convert to campaign with map</translation>
    </message>
    <message>
        <source>Convert to campaign without map</source>
        <translation>Convert to campaign without map</translation>
    </message>
    <message>
        <source>Map</source>
        <translation>Map</translation>
    </message>
    <message>
        <source>Some scenarios will be deleted!</source>
        <translation>Some scenarios will be deleted!</translation>
    </message>
</context>
<context>
    <name>DragAndDropHandler</name>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Only local files can be opened; %1 is not one.</source>
        <translation>Only local files can be opened; %1 is not one.</translation>
    </message>
</context>
<context>
    <name>EditCampaign</name>
    <message>
        <source>Campaign Properties</source>
        <translation>Campaign Properties</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>Music</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Background</translation>
    </message>
    <message>
        <source>Map:</source>
        <translation>Map:</translation>
    </message>
    <message>
        <source>Scenario &amp;difficulty is user selectable</source>
        <translation>Scenario &amp;difficulty is user selectable</translation>
    </message>
    <message>
        <source>Forbid launch in newer Tarq versions</source>
        <translation>Forbid launch in newer Tarq versions</translation>
    </message>
    <message>
        <source>Map</source>
        <translation>Map</translation>
    </message>
    <message>
        <source>Tarq %1.%2.%3</source>
        <translation>Tarq %1.%2.%3</translation>
    </message>
    <message>
        <source>Save changes</source>
        <translation>Save changes</translation>
    </message>
    <message>
        <source>Do you really want to change the background?</source>
        <translation>Do you really want to change the background?</translation>
    </message>
</context>
<context>
    <name>FindingsWindow</name>
    <message>
        <source>Campaign Check</source>
        <translation>Campaign Check</translation>
    </message>
    <message>
        <source>Severity</source>
        <translation>Severity</translation>
    </message>
    <message>
        <source>Scenario</source>
        <translation>Scenario</translation>
    </message>
    <message>
        <source>Finding</source>
        <translation>Finding</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>Campaign</source>
        <translation>Campaign</translation>
    </message>
    <message>
        <source>No problems found.</source>
        <translation>No problems found.</translation>
    </message>
    <message>
        <source>Errors: %1. Warnings: %2. Double-click a finding to mend it.</source>
        <translation>Errors: %1. Warnings: %2. Double-click a finding to mend it.</translation>
    </message>
</context>
<context>
    <name>HeroCrossover</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Source scenario</source>
        <translation>Source scenario</translation>
    </message>
    <message>
        <source>Player position</source>
        <translation>Player position</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Edit</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Remove</translation>
    </message>
</context>
<context>
    <name>HeroCrossoverDialog</name>
    <message>
        <source>Edit Hero Crossover Option</source>
        <translation>Edit Hero Crossover Option</translation>
    </message>
    <message>
        <source>Source scenario:</source>
        <translation>Source scenario:</translation>
    </message>
    <message>
        <source>Player position: </source>
        <translation>Player position: </translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Veldmark Campaign Editor</source>
        <translation>Veldmark Campaign Editor</translation>
    </message>
    <message>
        <source>File</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Edit</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>&amp;New...</source>
        <translation>&amp;New...</translation>
    </message>
    <message>
        <source>Ctrl+N</source>
        <translation>Ctrl+N</translation>
    </message>
    <message>
        <source>Open...</source>
        <translation>Open...</translation>
    </message>
    <message>
        <source>Ctrl+O</source>
        <translation>Ctrl+O</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Ctrl+S</source>
        <translation>Ctrl+S</translation>
    </message>
    <message>
        <source>Save As...</source>
        <translation>Save As...</translation>
    </message>
    <message>
        <source>Export Texts...</source>
        <translation>Export Texts...</translation>
    </message>
    <message>
        <source>Import Texts...</source>
        <translation>Import Texts...</translation>
    </message>
    <message>
        <source>Refresh Scenario Maps</source>
        <translation>Refresh Scenario Maps</translation>
    </message>
    <message>
        <source>Ctrl+R</source>
        <translation>Ctrl+R</translation>
    </message>
    <message>
        <source>Export Scenario Maps</source>
        <translation>Export Scenario Maps</translation>
    </message>
    <message>
        <source>Ctrl+E</source>
        <translation>Ctrl+E</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>Campaign Properties</source>
        <translation>Campaign Properties</translation>
    </message>
    <message>
        <source>Ctrl+Enter</source>
        <translation>Ctrl+Enter</translation>
    </message>
    <message>
        <source>Scenario Properties</source>
        <translation>Scenario Properties</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Enter</translation>
    </message>
    <message>
        <source>About Campaign Editor...</source>
        <translation>About Campaign Editor...</translation>
    </message>
    <message>
        <source>Convert campaign...</source>
        <translation>Convert campaign...</translation>
    </message>
    <message>
        <source>Veldmark: Tarq Campaign Editor</source>
        <translation>Veldmark: Tarq Campaign Editor</translation>
    </message>
    <message>
        <source>Untitled.y6c</source>
        <translation>Untitled.y6c</translation>
    </message>
    <message>
        <source>%1%3 - %2</source>
        <translation>%1%3 - %2</translation>
    </message>
    <message>
        <source>&amp;%1 %2</source>
        <translation>&amp;%1 %2</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Cannot read file %1:
%2.</source>
        <translation>Cannot read file %1:
%2.</translation>
    </message>
    <message>
        <source>Open Map File</source>
        <translation>Open Map File</translation>
    </message>
    <message>
        <source>Veldmark campaign (*.y6c);;All Files (*)</source>
        <translation>Veldmark campaign (*.y6c);;All Files (*)</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Save As</translation>
    </message>
    <message>
        <source>Campaign version will be updated and it will be impossible to open the campaign in older versions of Tarq campaign editor. Do you really want to save the campaign?</source>
        <translation>Campaign version will be updated and it will be impossible to open the campaign in older versions of Tarq campaign editor. Do you really want to save the campaign?</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Untitled</translation>
    </message>
    <message>
        <source>Campaign version will be updated and it will be impossible to open the campaign in older versions of Tarq campaign editor. Do you really want to save the %1?</source>
        <translation>Campaign version will be updated and it will be impossible to open the campaign in older versions of Tarq campaign editor. Do you really want to save the %1?</translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <translation>Save changes to %1?</translation>
    </message>
    <message>
        <source>Text files (*.txt);;All Files (*)</source>
        <translation>Text files (*.txt);;All Files (*)</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Cannot write file %1:
%2.</source>
        <translation>Cannot write file %1:
%2.</translation>
    </message>
    <message>
        <source>Cannot read file %1 - incorrect campaign text:
%2.</source>
        <translation>Cannot read file %1 - incorrect campaign text:
%2.</translation>
    </message>
    <message>
        <source>line %1: expected &quot;%2&quot;</source>
        <translation>line %1: expected &quot;%2&quot;</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>Undo the last change to the campaign</source>
        <translation>Undo the last change to the campaign</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Redo</translation>
    </message>
    <message>
        <source>Redo the change that was undone</source>
        <translation>Redo the change that was undone</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation>Undo %1</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>Redo %1</translation>
    </message>
    <message>
        <source>Import Texts</source>
        <translation>Import Texts</translation>
    </message>
    <message>
        <source>Convert Campaign</source>
        <translation>Convert Campaign</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Close the campaign and start an empty one</source>
        <translation>Close the campaign and start an empty one</translation>
    </message>
    <message>
        <source>&amp;%1 %2 (%3)</source>
        <translation>&amp;%1 %2 (%3)</translation>
    </message>
    <message>
        <source>%1 is a map, not a campaign. Maps are imported into a scenario in Scenario Properties.</source>
        <translation>%1 is a map, not a campaign. Maps are imported into a scenario in Scenario Properties.</translation>
    </message>
    <message>
        <source>Check Campaign</source>
        <translation>Check Campaign</translation>
    </message>
    <message>
        <source>Find what keeps the game from playing the campaign as meant</source>
        <translation>Find what keeps the game from playing the campaign as meant</translation>
    </message>
    <message>
        <source>The campaign has %1 errors. Save anyway?</source>
        <translation>The campaign has %1 errors. Save anyway?</translation>
    </message>
</context>
<context>
    <name>MapBrowser</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
</context>
<context>
    <name>MusicPlayer</name>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Failed to open the sound driver.</source>
        <translation>Failed to open the sound driver.</translation>
    </message>
    <message>
        <source>The digital audio driver of Tarq_Data\mss32.dll failed. Choose another output device in the sound settings of Windows.</source>
        <translation>The digital audio driver of Tarq_Data\mss32.dll failed. Choose another output device in the sound settings of Windows.</translation>
    </message>
    <message>
        <source>No audio driver could be opened (%1). Choose one with the environment variable SDL_AUDIODRIVER: %2.</source>
        <translation>No audio driver could be opened (%1). Choose one with the environment variable SDL_AUDIODRIVER: %2.</translation>
    </message>
    <message>
        <source>The audio driver &quot;%1&quot; failed (%2). Choose another one with the environment variable SDL_AUDIODRIVER: %3.</source>
        <translation>The audio driver &quot;%1&quot; failed (%2). Choose another one with the environment variable SDL_AUDIODRIVER: %3.</translation>
    </message>
</context>
<context>
    <name>MyQGraphicsView</name>
    <message>
        <source>Properties...</source>
        <translation>Properties...</translation>
    </message>
</context>
<context>
    <name>NewCampaign</name>
    <message>
        <source>Campaign map</source>
        <translation>Campaign map</translation>
    </message>
    <message>
        <source>Campaign background</source>
        <translation>Campaign background</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Cannot read file %1. Map has errors.</source>
        <translation>Cannot read file %1. Map has errors.</translation>
    </message>
    <message>
        <source>This map was made for an newer version of Tarq %1.%2.%3. This map cannot be added to campaign in version %4.%5.%6.</source>
        <translation>This map was made for an newer version of Tarq %1.%2.%3. This map cannot be added to campaign in version %4.%5.%6.</translation>
    </message>
    <message>
        <source>This map was made for an older version of Tarq %1.%2.%3, and the author of the map restricted its use in campaigns of newer versions of Tarq. This map cannot be added to campaign in version %4.%5.%6.</source>
        <translation>This map was made for an older version of Tarq %1.%2.%3, and the author of the map restricted its use in campaigns of newer versions of Tarq. This map cannot be added to campaign in version %4.%5.%6.</translation>
    </message>
    <message>
        <source>Unknown map format - probably of newer Tarq versions.</source>
        <translation>Unknown map format - probably of newer Tarq versions.</translation>
    </message>
    <message>
        <source>Most powerful hero</source>
        <translation>Most powerful hero</translation>
    </message>
    <message>
        <source>Generated hero</source>
        <translation>Generated hero</translation>
    </message>
    <message>
        <source> (in town)</source>
        <translation> (in town)</translation>
    </message>
    <message>
        <source>Random hero</source>
        <translation>Random hero</translation>
    </message>
    <message>
        <source> (on map)</source>
        <translation> (on map)</translation>
    </message>
    <message>
        <source>Give %1 spell to %2</source>
        <translation>Give %1 spell to %2</translation>
    </message>
    <message>
        <source>Build %1 at Main Town</source>
        <translation>Build %1 at Main Town</translation>
    </message>
    <message>
        <source>Give %1 to %2</source>
        <translation>Give %1 to %2</translation>
    </message>
    <message>
        <source>Give %1 Spell Scroll to %2</source>
        <translation>Give %1 Spell Scroll to %2</translation>
    </message>
    <message>
        <source>Receive %1 %2</source>
        <translation>Receive %1 %2</translation>
    </message>
    <message>
        <source>Unknown bonus (type %1)</source>
        <translation>Unknown bonus (type %1)</translation>
    </message>
    <message>
        <source>Player %1 (%2)</source>
        <translation>Player %1 (%2)</translation>
    </message>
    <message>
        <source>%1 — %2</source>
        <translation>%1 — %2</translation>
    </message>
    <message>
        <source>Empty</source>
        <translation>Empty</translation>
    </message>
    <message>
        <source>%1. Empty</source>
        <translation>%1. Empty</translation>
    </message>
    <message>
        <source>No scenario</source>
        <translation>No scenario</translation>
    </message>
    <message>
        <source>%1. %2</source>
        <translation>%1. %2</translation>
    </message>
    <message>
        <source>Basic</source>
        <translation>Basic</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Advanced</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Expert</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Can&apos;t find %1 file in lod file</source>
        <translation>Can&apos;t find %1 file in lod file</translation>
    </message>
    <message>
        <source>Give %1 %2 to %3</source>
        <comment>creature bonus: count, creature, hero</comment>
        <translation>Give %1 %2 to %3</translation>
    </message>
    <message>
        <source>Give %1 %2 to %3</source>
        <comment>secondary skill bonus: level, skill, hero</comment>
        <translation>Give %1 %2 to %3</translation>
    </message>
    <message>
        <source>Archives were searched in %1.</source>
        <translation>Archives were searched in %1.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>These archive entries are damaged (their data lies past the end of the file) and are not used:
%1</source>
        <translation>These archive entries are damaged (their data lies past the end of the file) and are not used:
%1</translation>
    </message>
</context>
<context>
    <name>ScenarioCrossover</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Crossover heroes details</source>
        <translation>Crossover heroes details</translation>
    </message>
    <message>
        <source>Experience</source>
        <translation>Experience</translation>
    </message>
    <message>
        <source>Primary Skills</source>
        <translation>Primary Skills</translation>
    </message>
    <message>
        <source>Secondary Skills</source>
        <translation>Secondary Skills</translation>
    </message>
    <message>
        <source>Spells</source>
        <translation>Spells</translation>
    </message>
    <message>
        <source>Artifacts</source>
        <translation>Artifacts</translation>
    </message>
    <message>
        <source>Creature types:</source>
        <translation>Creature types:</translation>
    </message>
    <message>
        <source>All</source>
        <translation>All</translation>
    </message>
    <message>
        <source>None</source>
        <translation>None</translation>
    </message>
    <message>
        <source>Crossover Artifacts:</source>
        <translation>Crossover Artifacts:</translation>
    </message>
</context>
<context>
    <name>ScenarioGeneral</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Region name</source>
        <translation>Region name</translation>
    </message>
    <message>
        <source>Scenario name</source>
        <translation>Scenario name</translation>
    </message>
    <message>
        <source>(None)</source>
        <translation>(None)</translation>
    </message>
    <message>
        <source>Region color</source>
        <translation>Region color</translation>
    </message>
    <message>
        <source>Map file</source>
        <translation>Map file</translation>
    </message>
    <message>
        <source>Import...</source>
        <translation>Import...</translation>
    </message>
    <message>
        <source>Export...</source>
        <translation>Export...</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Remove</translation>
    </message>
    <message>
        <source>Default difficulty:</source>
        <translation>Default difficulty:</translation>
    </message>
    <message>
        <source>Prerequisites:</source>
        <translation>Prerequisites:</translation>
    </message>
    <message>
        <source>Region right-click text:</source>
        <translation>Region right-click text:</translation>
    </message>
    <message>
        <source>Veldmark map (*.y6m);;All Files (*)</source>
        <translation>Veldmark map (*.y6m);;All Files (*)</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Cannot read file %1:
%2.</source>
        <translation>Cannot read file %1:
%2.</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Save</translation>
    </message>
</context>
<context>
    <name>ScenarioInfo</name>
    <message>
        <source>Scenario Properties</source>
        <translation>Scenario Properties</translation>
    </message>
    <message>
        <source>Scenario list</source>
        <translation>Scenario list</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Delete all</source>
        <translation>Delete all</translation>
    </message>
    <message>
        <source>General</source>
        <translation>General</translation>
    </message>
    <message>
        <source>Prologue</source>
        <translation>Prologue</translation>
    </message>
    <message>
        <source>Epilogue</source>
        <translation>Epilogue</translation>
    </message>
    <message>
        <source>Crossover Options</source>
        <translation>Crossover Options</translation>
    </message>
    <message>
        <source>Starting Options</source>
        <translation>Starting Options</translation>
    </message>
    <message>
        <source>Do you really want to delete all scenarios?</source>
        <translation>Do you really want to delete all scenarios?</translation>
    </message>
</context>
<context>
    <name>ScenarioPrologue</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Has prologue</source>
        <translation>Has prologue</translation>
    </message>
    <message>
        <source>Set up</source>
        <translation>Set up</translation>
    </message>
    <message>
        <source>Video:</source>
        <translation>Video:</translation>
    </message>
    <message>
        <source>Music:</source>
        <translation>Music:</translation>
    </message>
    <message>
        <source>Message:</source>
        <translation>Message:</translation>
    </message>
    <message>
        <source>Has epilogue</source>
        <translation>Has epilogue</translation>
    </message>
</context>
<context>
    <name>ScenarioStartOptions</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Starting options are:</source>
        <translation>Starting options are:</translation>
    </message>
    <message>
        <source>Starting bonus options</source>
        <translation>Starting bonus options</translation>
    </message>
    <message>
        <source>Hero crossover options</source>
        <translation>Hero crossover options</translation>
    </message>
    <message>
        <source>Starting hero options</source>
        <translation>Starting hero options</translation>
    </message>
</context>
<context>
    <name>StartingBonus</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Player position:</source>
        <translation>Player position:</translation>
    </message>
    <message>
        <source>Starting bonus option</source>
        <translation>Starting bonus option</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Edit</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Remove</translation>
    </message>
</context>
<context>
    <name>StartingHeroDialog</name>
    <message>
        <source>Edit Starting Hero Option</source>
        <translation>Edit Starting Hero Option</translation>
    </message>
    <message>
        <source>Hero Identity:</source>
        <translation>Hero Identity:</translation>
    </message>
    <message>
        <source>Player position: </source>
        <translation>Player position: </translation>
    </message>
</context>
<context>
    <name>StartingHeroOptions</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Hero</source>
        <translation>Hero</translation>
    </message>
    <message>
        <source>Player position</source>
        <translation>Player position</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Edit</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Remove</translation>
    </message>
</context>
<context>
    <name>bonus_multibox_dlg</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Recipient:</source>
        <translation>Recipient:</translation>
    </message>
    <message>
        <source>Item 1:</source>
        <translation>Item 1:</translation>
    </message>
    <message>
        <source>Item 2:</source>
        <translation>Item 2:</translation>
    </message>
    <message>
        <source>Spell:</source>
        <translation>Spell:</translation>
    </message>
    <message>
        <source>Building:</source>
        <translation>Building:</translation>
    </message>
    <message>
        <source>Artifact:</source>
        <translation>Artifact:</translation>
    </message>
    <message>
        <source>Skill:</source>
        <translation>Skill:</translation>
    </message>
    <message>
        <source>Skill level:</source>
        <translation>Skill level:</translation>
    </message>
</context>
<context>
    <name>bonus_value_dlg</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Datatype:</source>
        <translation>Datatype:</translation>
    </message>
    <message>
        <source>Value1:</source>
        <translation>Value1:</translation>
    </message>
    <message>
        <source>Recipient:</source>
        <translation>Recipient:</translation>
    </message>
    <message>
        <source>Attack skill:</source>
        <translation>Attack skill:</translation>
    </message>
    <message>
        <source>Defense skill:</source>
        <translation>Defense skill:</translation>
    </message>
    <message>
        <source>Spell power:</source>
        <translation>Spell power:</translation>
    </message>
    <message>
        <source>Knowledge:</source>
        <translation>Knowledge:</translation>
    </message>
    <message>
        <source>Resource type:</source>
        <translation>Resource type:</translation>
    </message>
    <message>
        <source>Quantity</source>
        <translation>Quantity</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Veldmark Campaign Editor cannot be launched because Tarq_settings.ini was not found. 
Tarq_settings.ini must be in Veldmark root folder.</source>
        <translation>Veldmark Campaign Editor cannot be launched because Tarq_settings.ini was not found. 
Tarq_settings.ini must be in Veldmark root folder.</translation>
    </message>
    <message>
        <source>Campaign Editor cannot be launched because Tarq.dat was not found. 
Tarq.dat must be in Veldmark root folder.</source>
        <translation>Campaign Editor cannot be launched because Tarq.dat was not found. 
Tarq.dat must be in Veldmark root folder.</translation>
    </message>
    <message>
        <source>Error in Tarq_Settings.ini: field &quot;Tarq.dat Text Encoding&quot; is invalid.</source>
        <translation>Error in Tarq_Settings.ini: field &quot;Tarq.dat Text Encoding&quot; is invalid.</translation>
    </message>
</context>
<context>
    <name>newcampaign</name>
    <message>
        <source>New Campaign</source>
        <translation>New Campaign</translation>
    </message>
    <message>
        <source>Campaign type</source>
        <translation>Campaign type</translation>
    </message>
    <message>
        <source>Campaign with map</source>
        <translation>Campaign with map</translation>
    </message>
    <message>
        <source>Campaign without map</source>
        <translation>Campaign without map</translation>
    </message>
    <message>
        <source>Campaign map</source>
        <translation>Campaign map</translation>
    </message>
</context>
</TS>

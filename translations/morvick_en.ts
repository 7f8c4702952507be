<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ja">
    <context>
        <name>AboutForm</name>
        <message>
            <source>MORVICK</source>
            <extracomment>The game's name, the title of its windows</extracomment>
            <translation>MORVICK</translation>
        </message>
        <message>
            <source>Ver. %1</source>
            <extracomment>The game's version; %1 is its number, such as 1.41</extracomment>
            <translation>Ver. %1</translation>
        </message>
        <message>
            <source>OK</source>
            <extracomment>Button: close the About window</extracomment>
            <translation>OK</translation>
        </message>
        <message>
            <source>MORVICKについて</source>
            <extracomment>The About window, as a screen reader names it</extracomment>
            <translation>About MORVICK</translation>
        </message>
    </context>
    <context>
        <name>AcceForm</name>
        <message>
            <source>王冠</source>
            <extracomment>The check box of the first accessory, as a screen reader names it</extracomment>
            <translation>Crown</translation>
        </message>
        <message>
            <source>リボン</source>
            <extracomment>The check box of the second accessory (a red bow), as a screen reader names it</extracomment>
            <translation>Bow</translation>
        </message>
        <message>
            <source>飾りをつける</source>
            <extracomment>The accessories window, as a screen reader names it</extracomment>
            <translation>Dress it up</translation>
        </message>
        <message>
            <source>OK</source>
            <extracomment>Button: put on the ticked accessories</extracomment>
            <translation>OK</translation>
        </message>
    </context>
    <context>
        <name>Accessories</name>
        <message>
            <source>王冠が珍しいようです</source>
            <extracomment>What the plant makes of a crown put on it</extracomment>
            <translation>The crown seems a novelty</translation>
        </message>
        <message>
            <source>嬉しそうです</source>
            <extracomment>What the plant makes of a bow put on it</extracomment>
            <translation>Looks happy</translation>
        </message>
        <message>
            <source>照れているようです</source>
            <extracomment>What the plant makes of a brooch (or, on a male plant, a badge) put on it</extracomment>
            <translation>Seems bashful</translation>
        </message>
        <message>
            <source>ちょっと自慢気にしています</source>
            <extracomment>What the plant makes of a necklace (or, on a male plant, a gold chain) put on it</extracomment>
            <translation>Showing off a little</translation>
        </message>
        <message>
            <source>ちょっと重たそうです</source>
            <extracomment>What the plant makes of wearing all four accessories at once</extracomment>
            <translation>Looks a little weighed down</translation>
        </message>
    </context>
    <context>
        <name>BmpForm</name>
        <message>
            <source>画像</source>
            <extracomment>Before the box of the background picture's path. Only about 24 pixels wide</extracomment>
            <translation>File</translation>
        </message>
        <message>
            <source>参照</source>
            <extracomment>Button: choose the picture file in a file window. About 41 pixels wide</extracomment>
            <translation>Browse</translation>
        </message>
        <message>
            <source>OK</source>
            <extracomment>Button: show the picture named in the box</extracomment>
            <translation>OK</translation>
        </message>
        <message>
            <source>CANCEL</source>
            <extracomment>Button: close the window without a change</extracomment>
            <translation>CANCEL</translation>
        </message>
        <message>
            <source>RESET</source>
            <extracomment>Button: take the background picture away</extracomment>
            <translation>RESET</translation>
        </message>
        <message>
            <source>背景を元に戻します</source>
            <extracomment>Tip of the RESET button</extracomment>
            <translation>Puts the background back as it was</translation>
        </message>
        <message>
            <source>背景の画像</source>
            <extracomment>The background picture window, as a screen reader names it</extracomment>
            <translation>Background picture</translation>
        </message>
        <message>
            <source>画像ファイル (%1)</source>
            <extracomment>The first file type of the picture file window: every picture the game can show; %1 is the list of file name patterns</extracomment>
            <translation>Picture files (%1)</translation>
        </message>
    </context>
    <context>
        <name>DailyCheck</name>
        <message>
            <source>%1は、すっかりご機嫌斜めです</source>
            <extracomment>After three days or more away the plant is cross; %1 is its name</extracomment>
            <translation>%1 is thoroughly out of sorts</translation>
        </message>
        <message>
            <source>%1は、あなたがかまってあげなかったので寂しがっています</source>
            <extracomment>After three days or more away the plant has missed its owner; %1 is its name</extracomment>
            <translation>%1 felt lonely while you were away</translation>
        </message>
    </context>
    <context>
        <name>FirstForm</name>
        <message>
            <source>名前</source>
            <extracomment>Frame around the box where the new plant's name is typed</extracomment>
            <translation>Name</translation>
        </message>
        <message>
            <source>性別</source>
            <extracomment>Frame of the choice of the plant's sex</extracomment>
            <translation>Sex</translation>
        </message>
        <message>
            <source>男</source>
            <extracomment>The plant is male. Only about 14 pixels wide: one letter or sign</extracomment>
            <translation>M</translation>
        </message>
        <message>
            <source>女</source>
            <extracomment>The plant is female. Only about 14 pixels wide: one letter or sign</extracomment>
            <translation>F</translation>
        </message>
        <message>
            <source>モルビックへの話しかけかた</source>
            <extracomment>Frame of the choice of how the owner talks to the plant</extracomment>
            <translation>How you talk to it</translation>
        </message>
        <message>
            <source>男言葉</source>
            <extracomment>The owner's plainer, blunter way of talking (male speech). About 38 pixels wide</extracomment>
            <translation>Plain</translation>
        </message>
        <message>
            <source>女言葉</source>
            <extracomment>The owner's softer, gentler way of talking (female speech). About 38 pixels wide</extracomment>
            <translation>Sweet</translation>
        </message>
        <message>
            <source>モルビックの形</source>
            <extracomment>Frame of the choice of the plant's shape</extracomment>
            <translation>Shape</translation>
        </message>
        <message>
            <source>丸いモルビック</source>
            <extracomment>What the option under the round plant's picture stands for, as a screen reader reads it</extracomment>
            <translation>Round morvick</translation>
        </message>
        <message>
            <source>柱のように細長いモルビック</source>
            <extracomment>What the option under the tall plant's picture stands for, as a screen reader reads it</extracomment>
            <translation>Tall, column-shaped morvick</translation>
        </message>
        <message>
            <source>OK</source>
            <extracomment>Button: make the new plant</extracomment>
            <translation>OK</translation>
        </message>
        <message>
            <source>END</source>
            <extracomment>Button of the first start: quit the game without a plant</extracomment>
            <translation>END</translation>
        </message>
        <message>
            <source>CANCEL</source>
            <extracomment>Button: keep the plant there is and close the window</extracomment>
            <translation>CANCEL</translation>
        </message>
        <message>
            <source>新しいモルビック</source>
            <extracomment>The setup window, as a screen reader names it</extracomment>
            <translation>New morvick</translation>
        </message>
    </context>
    <context>
        <name>HelpBrowser</name>
        <message>
            <source>ヘルプのページ</source>
            <extracomment>The pane that shows a help page, as a screen reader names it</extracomment>
            <translation>Help page</translation>
        </message>
    </context>
    <context>
        <name>HelpWindow</name>
        <message>
            <source>ヘルプ</source>
            <extracomment>The help window, as a screen reader names it</extracomment>
            <translation>Help</translation>
        </message>
        <message>
            <source>目次とキーワード</source>
            <extracomment>The tabs of the help's contents and keyword index, as a screen reader names them</extracomment>
            <translation>Contents and keywords</translation>
        </message>
        <message>
            <source>目次</source>
            <extracomment>Tab of the help's contents</extracomment>
            <translation>Contents</translation>
        </message>
        <message>
            <source>キーワード</source>
            <extracomment>Tab of the help's keyword index</extracomment>
            <translation>Keywords</translation>
        </message>
        <message>
            <source>目次の項目</source>
            <extracomment>The tree of the help's topics, as a screen reader names it</extracomment>
            <translation>Topics</translation>
        </message>
        <message>
            <source>キーワードで検索</source>
            <extracomment>The box where a keyword of the help is typed, as a screen reader names it</extracomment>
            <translation>Search by keyword</translation>
        </message>
        <message>
            <source>キーワード一覧</source>
            <extracomment>The list of the help's keywords, as a screen reader names it</extracomment>
            <translation>Keyword list</translation>
        </message>
    </context>
    <context>
        <name>MainForm</name>
        <message>
            <source>MORVICK</source>
            <extracomment>The game's name, the title of its windows</extracomment>
            <translation>MORVICK</translation>
        </message>
        <message>
            <source>名前：</source>
            <extracomment>Before the plant's name on the black panel, right-aligned against it (49 pixels)</extracomment>
            <translation>Name </translation>
        </message>
        <message>
            <source>年齢：</source>
            <extracomment>Before the plant's age in days on the black panel, right-aligned (49 pixels)</extracomment>
            <translation>Age </translation>
        </message>
        <message>
            <source>日</source>
            <extracomment>The unit after the age: days. The label is only 17 pixels wide, so an abbreviation</extracomment>
            <translation>d</translation>
        </message>
        <message>
            <source>水をやる</source>
            <extracomment>Tip of the watering-can button</extracomment>
            <translation>Water it</translation>
        </message>
        <message>
            <source>話しかける</source>
            <extracomment>Tip of the speech-balloon button, which opens the talking window</extracomment>
            <translation>Talk to it</translation>
        </message>
        <message>
            <source>飾りをつける</source>
            <extracomment>Tip of the red-bow button, which opens the accessories window</extracomment>
            <translation>Dress it up</translation>
        </message>
        <message>
            <source>終了する</source>
            <extracomment>Tip of the door button: save and quit</extracomment>
            <translation>Quit</translation>
        </message>
        <message>
            <source>ファイル(&amp;F)</source>
            <extracomment>Menu</extracomment>
            <translation>&amp;File</translation>
        </message>
        <message>
            <source>終了(&amp;X)</source>
            <extracomment>Item of the File menu: save and quit</extracomment>
            <translation>&amp;Quit</translation>
        </message>
        <message>
            <source>変更(&amp;C)</source>
            <extracomment>Menu of what can be changed: the background and the pot</extracomment>
            <translation>&amp;Change</translation>
        </message>
        <message>
            <source>背景</source>
            <extracomment>Submenu of the Change menu</extracomment>
            <translation>&amp;Background</translation>
        </message>
        <message>
            <source>背景色</source>
            <extracomment>Item of the Background submenu: opens a colour chooser</extracomment>
            <translation>&amp;Colour…</translation>
        </message>
        <message>
            <source>画像貼り付け</source>
            <extracomment>Item of the Background submenu: opens the window that sets a background picture</extracomment>
            <translation>&amp;Picture…</translation>
        </message>
        <message>
            <source>つぼの種類</source>
            <extracomment>Item of the Change menu: opens the window to choose another pot</extracomment>
            <translation>P&amp;ot…</translation>
        </message>
        <message>
            <source>ヘルプ(&amp;H)</source>
            <extracomment>Menu</extracomment>
            <translation>&amp;Help</translation>
        </message>
        <message>
            <source>目次</source>
            <extracomment>Item of the Help menu: the help's contents (F1)</extracomment>
            <translation>&amp;Contents</translation>
        </message>
        <message>
            <source>キーワードで検索</source>
            <extracomment>Item of the Help menu: the help's keyword index</extracomment>
            <translation>Search by &amp;Keyword</translation>
        </message>
        <message>
            <source>アバウト(&amp;A)</source>
            <extracomment>Item of the Help menu: the About window</extracomment>
            <translation>&amp;About</translation>
        </message>
        <message>
            <source>初期化</source>
            <extracomment>Menu holding only the item that starts over with a new plant</extracomment>
            <translation>&amp;Reset</translation>
        </message>
        <message>
            <source>モルビックを新たに育てる</source>
            <extracomment>Item of the Reset menu: forget this plant and set up a new one</extracomment>
            <translation>Raise a &amp;New Morvick…</translation>
        </message>
    </context>
    <context>
        <name>OverForm</name>
        <message>
            <source>水のやりすぎで腐ってしまいました</source>
            <extracomment>The plant has died of too much water. One line of 177 pixels</extracomment>
            <translation>It rotted from too much water</translation>
        </message>
        <message>
            <source>あまりに水をやらなかったので、干からびてしまいました</source>
            <extracomment>The plant has died of too little water. Two lines of 177 pixels</extracomment>
            <translation>You gave it so little water that it dried out</translation>
        </message>
        <message>
            <source>END</source>
            <extracomment>Button: say goodbye to the dead plant and quit</extracomment>
            <translation>END</translation>
        </message>
        <message>
            <source>お別れ</source>
            <extracomment>The window that says the plant has died, as a screen reader names it</extracomment>
            <translation>Farewell</translation>
        </message>
    </context>
    <context>
        <name>PlantScene</name>
        <message>
            <source>モルビック</source>
            <extracomment>The plant in its scene, as a screen reader names it</extracomment>
            <translation>Morvick</translation>
        </message>
        <message>
            <source>スペースキーかEnterキーで、モルビックにさわります</source>
            <extracomment>How to touch the plant from the keyboard, as a screen reader tells it</extracomment>
            <translation>Press Space or Enter to touch the morvick</translation>
        </message>
    </context>
    <context>
        <name>PotPicker</name>
        <message>
            <source>つぼの形</source>
            <extracomment>Frame of the choice of a pot</extracomment>
            <translation>Pot shape</translation>
        </message>
        <message>
            <source>茶色の素焼きのつぼ</source>
            <extracomment>The option under the first pot, a brown clay pot, as a screen reader names it</extracomment>
            <translation>Brown clay pot</translation>
        </message>
        <message>
            <source>青緑のレース模様のつぼ</source>
            <extracomment>The option under the second pot, dark teal with a light-blue lace band</extracomment>
            <translation>Teal lace-band pot</translation>
        </message>
        <message>
            <source>黄色いつぼ</source>
            <extracomment>The option under the third pot, plain yellow with rounded corners</extracomment>
            <translation>Yellow pot</translation>
        </message>
    </context>
    <context>
        <name>SaveFailure</name>
        <message>
            <source>ディスクに空きがありません。</source>
            <extracomment>Why the plant could not be saved</extracomment>
            <translation>The disk is full.</translation>
        </message>
        <message>
            <source>書き込みが許可されていません。</source>
            <extracomment>Why the plant could not be saved</extracomment>
            <translation>Writing there is not allowed.</translation>
        </message>
        <message>
            <source>書き込みに失敗しました。</source>
            <extracomment>Why the plant could not be saved, when the reason is not known</extracomment>
            <translation>Writing failed.</translation>
        </message>
        <message>
            <source>モルビックのようすを保存できませんでした。

%1
%2</source>
            <extracomment>A message window; %1 is the file the plant is kept in, %2 the reason</extracomment>
            <translation>Your morvick could not be saved.

%1
%2</translation>
        </message>
    </context>
    <context>
        <name>Scene</name>
        <message>
            <source>紋章のバッジ</source>
            <extracomment>A male plant's third accessory, a red and blue badge, as a screen reader names it</extracomment>
            <translation>Emblem badge</translation>
        </message>
        <message>
            <source>金の鎖</source>
            <extracomment>A male plant's fourth accessory, a gold chain with a pendant</extracomment>
            <translation>Gold chain</translation>
        </message>
        <message>
            <source>ブローチ</source>
            <extracomment>A female plant's third accessory, an oval blue gem, as a screen reader names it</extracomment>
            <translation>Brooch</translation>
        </message>
        <message>
            <source>真珠のネックレス</source>
            <extracomment>A female plant's fourth accessory, a pink pearl necklace</extracomment>
            <translation>Pearl necklace</translation>
        </message>
    </context>
    <context>
        <name>Store</name>
        <message>
            <source>ザボン</source>
            <extracomment>The plant's name until the player gives it one: a pomelo (Zabon)</extracomment>
            <translation>Zabon</translation>
        </message>
    </context>
    <context>
        <name>StoreNotice</name>
        <message>
            <source>モルビックの記録を読めなかったので、別の名前で残しました。新しいモルビックを育てます。

%1
→ %2</source>
            <extracomment>Start-up message: the saved plant's file could not be read; it was renamed (%1 the file, %2 its new name) and the game starts with a new plant.</extracomment>
            <translation>Your morvick's record could not be read, so it has been kept under another name. You will raise a new morvick.

%1
→ %2</translation>
        </message>
        <message>
            <source>モルビックの記録の場所に、ふつうのファイルではないものがあるか、読めないファイルがあるため、ゲームを終了します。

%1</source>
            <extracomment>Start-up message: the place of the saved plant's file (%1) holds something that is not an ordinary file (a folder, a pipe, a device), so the game ends.</extracomment>
            <translation>Where your morvick's record belongs there is something other than an ordinary file, or a file that cannot be read, so the game ends.

%1</translation>
        </message>
    </context>
    <context>
        <name>Talk</name>
        <message>
            <source>%1、愛してるわ</source>
            <extracomment>Said to the plant in soft, gentle speech: "I love you"; %1 is its name</extracomment>
            <translation>%1, I love you so much</translation>
        </message>
        <message>
            <source>%1、愛してるよ</source>
            <extracomment>Said to the plant in plain, blunt speech: "I love you"; %1 is its name</extracomment>
            <translation>Love you, %1</translation>
        </message>
        <message>
            <source>私は貴方だけのものよ</source>
            <extracomment>Said to the plant in soft, gentle speech: "I am yours alone"</extracomment>
            <translation>I'm all yours, only yours</translation>
        </message>
        <message>
            <source>君の瞳に吸い込まれそうさ</source>
            <extracomment>Said to the plant in plain, blunt speech: "I could fall into your eyes"</extracomment>
            <translation>I could get lost in your eyes</translation>
        </message>
        <message>
            <source>%1が私の世界一よ</source>
            <extracomment>Said to the plant in soft, gentle speech: "you are the best in my world"; %1 is its name</extracomment>
            <translation>%1, you mean the world to me</translation>
        </message>
        <message>
            <source>世界で一番奇麗だよ、%1</source>
            <extracomment>Said to the plant in plain, blunt speech: "the most beautiful in the world"; %1 is its name</extracomment>
            <translation>Prettiest thing alive, that's you, %1</translation>
        </message>
        <message>
            <source>ねぇ%1・・・今日は甘えてもいい？</source>
            <extracomment>Said to the plant in soft, gentle speech: "hey... may I be a little spoilt today?"; %1 is its name</extracomment>
            <translation>Hey %1... may I cuddle up today?</translation>
        </message>
        <message>
            <source>%1・・・今日は君に甘えてもいいかい？</source>
            <extracomment>Said to the plant in plain, blunt speech: "may I lean on you today?"; %1 is its name</extracomment>
            <translation>%1... mind if I lean on you today?</translation>
        </message>
        <message>
            <source>ダーリン、今日も素敵よ</source>
            <extracomment>Said to the plant in soft, gentle speech: "darling, you look wonderful today too"</extracomment>
            <translation>Darling, you look lovely again today</translation>
        </message>
        <message>
            <source>僕のハニー、今日も可愛いね</source>
            <extracomment>Said to the plant in plain, blunt speech: "my honey, you are cute today too"</extracomment>
            <translation>Honey, cute as ever today</translation>
        </message>
        <message>
            <source>%1も私のこと・・・好き？</source>
            <extracomment>Said to the plant in soft, gentle speech: "do you... like me too?"; %1 is its name</extracomment>
            <translation>%1, do you... like me too?</translation>
        </message>
        <message>
            <source>%1も僕のこと好きかい？</source>
            <extracomment>Said to the plant in plain, blunt speech: "do you like me too?"; %1 is its name</extracomment>
            <translation>%1, you like me too, right?</translation>
        </message>
        <message>
            <source>%1、笑顔が輝いてるわ</source>
            <extracomment>Said to the plant in soft, gentle speech: "your smile is shining"; %1 is its name</extracomment>
            <translation>%1, your smile simply shines</translation>
        </message>
        <message>
            <source>%1、笑顔が素敵だね</source>
            <extracomment>Said to the plant in plain, blunt speech: "your smile is lovely"; %1 is its name</extracomment>
            <translation>%1, great smile you've got</translation>
        </message>
        <message>
            <source>貴方は私が守ってあげる</source>
            <extracomment>Said to the plant in soft, gentle speech: "I will protect you"</extracomment>
            <translation>I'll always keep you safe, dear</translation>
        </message>
        <message>
            <source>君は僕が守ってあげるよ</source>
            <extracomment>Said to the plant in plain, blunt speech: "I will protect you"</extracomment>
            <translation>I'll protect you. Count on it</translation>
        </message>
        <message>
            <source>ダーリンったら、子供みたいなんだから</source>
            <extracomment>Said to the plant in soft, gentle speech: "oh darling, you are just like a child"</extracomment>
            <translation>Oh darling, you're such a child</translation>
        </message>
        <message>
            <source>スネた顔もキュートだね、マイハニー</source>
            <extracomment>Said to the plant in plain, blunt speech: "even your sulky face is cute, my honey"</extracomment>
            <translation>Even your sulky face is cute, honey</translation>
        </message>
        <message>
            <source>おはよう、%1</source>
            <extracomment>Said to the plant from 6 to 10 o'clock; %1 is its name</extracomment>
            <translation>Good morning, %1</translation>
        </message>
        <message>
            <source>こんにちは、%1</source>
            <extracomment>Said to the plant from 11 to 17 o'clock; %1 is its name</extracomment>
            <translation>Hello, %1</translation>
        </message>
        <message>
            <source>こんばんは、%1</source>
            <extracomment>Said to the plant from 18 to 22 o'clock; %1 is its name</extracomment>
            <translation>Good evening, %1</translation>
        </message>
        <message>
            <source>おやすみ、%1</source>
            <extracomment>Said to the plant from 23 to 5 o'clock; %1 is its name</extracomment>
            <translation>Good night, %1</translation>
        </message>
        <message>
            <source>ちょっと恥ずかしそうです</source>
            <extracomment>The plant's answer when it is talked to</extracomment>
            <translation>Looks a little embarrassed</translation>
        </message>
        <message>
            <source>喜んでいるようです</source>
            <extracomment>The plant's answer when it is talked to</extracomment>
            <translation>Seems pleased</translation>
        </message>
        <message>
            <source>顔を赤くしています</source>
            <extracomment>A male plant's answer when he is talked to: he goes red in the face</extracomment>
            <translation>Going red in the face</translation>
        </message>
        <message>
            <source>ほんのり頬を染めています</source>
            <extracomment>A female plant's answer when she is talked to: she blushes faintly</extracomment>
            <translation>Blushing faintly</translation>
        </message>
        <message>
            <source>あなたをじっと見つめています</source>
            <extracomment>The plant's answer when it is talked to</extracomment>
            <translation>Gazing steadily at you</translation>
        </message>
        <message>
            <source>あなたを気に入っているようです</source>
            <extracomment>The plant's answer when it is talked to</extracomment>
            <translation>Seems to have taken a liking to you</translation>
        </message>
        <message>
            <source>すっかりあなたの虜です</source>
            <extracomment>The plant's answer when it is talked to</extracomment>
            <translation>Utterly smitten with you</translation>
        </message>
        <message>
            <source>優しい瞳で見つめています</source>
            <extracomment>A male plant's answer when he is talked to: he watches with gentle eyes</extracomment>
            <translation>Watching you with gentle eyes</translation>
        </message>
        <message>
            <source>うつむいています</source>
            <extracomment>A female plant's answer when she is talked to: she looks down</extracomment>
            <translation>Looking down shyly</translation>
        </message>
        <message>
            <source>寂しがっています</source>
            <extracomment>The plant's answer when it is talked to</extracomment>
            <translation>Feeling lonely</translation>
        </message>
        <message>
            <source>恋しそうな目をしています</source>
            <extracomment>The plant's answer when it is talked to</extracomment>
            <translation>Eyes full of longing</translation>
        </message>
        <message>
            <source>照れているようです</source>
            <extracomment>The plant's answer when it is talked to</extracomment>
            <translation>Seems bashful</translation>
        </message>
    </context>
    <context>
        <name>Touch</name>
        <message>
            <source>恥ずかしがっています</source>
            <extracomment>The plant's answer to a touch</extracomment>
            <translation>Feeling shy</translation>
        </message>
        <message>
            <source>照れてそっぽを向いています</source>
            <extracomment>A male plant's answer to a touch</extracomment>
            <translation>Bashfully looking away</translation>
        </message>
        <message>
            <source>潤んだ瞳で見つめています</source>
            <extracomment>A female plant's answer to a touch</extracomment>
            <translation>Looking at you with dewy eyes</translation>
        </message>
        <message>
            <source>眠っているようです</source>
            <extracomment>The plant's answer to a touch, at any hour</extracomment>
            <translation>Seems to be asleep</translation>
        </message>
        <message>
            <source>チクチクします</source>
            <extracomment>The plant's most common answer to a touch: its spines prick</extracomment>
            <translation>Prickly!</translation>
        </message>
    </context>
    <context>
        <name>TuboForm</name>
        <message>
            <source>CANCEL</source>
            <extracomment>Button: keep the pot</extracomment>
            <translation>CANCEL</translation>
        </message>
        <message>
            <source>OK</source>
            <extracomment>Button: move the plant into the chosen pot</extracomment>
            <translation>OK</translation>
        </message>
        <message>
            <source>つぼの種類</source>
            <extracomment>The pot window, as a screen reader names it</extracomment>
            <translation>Pot</translation>
        </message>
    </context>
    <context>
        <name>Water</name>
        <message>
            <source>水分が非常に不足しています</source>
            <extracomment>The water status under the plant's age when it is very dry</extracomment>
            <translation>Badly short of water</translation>
        </message>
        <message>
            <source>乾いて、苦しそうです</source>
            <extracomment>What the plant is like when it is very dry</extracomment>
            <translation>Parched and suffering</translation>
        </message>
        <message>
            <source>水分が不足しています</source>
            <extracomment>The water status under the plant's age when it is a little dry</extracomment>
            <translation>Short of water</translation>
        </message>
        <message>
            <source>喉が渇いているようです</source>
            <extracomment>What the plant is like when it is a little dry</extracomment>
            <translation>Seems thirsty</translation>
        </message>
        <message>
            <source>元気です</source>
            <extracomment>The water status under the plant's age when the water is right</extracomment>
            <translation>In good health</translation>
        </message>
        <message>
            <source>水分が過剰です</source>
            <extracomment>The water status under the plant's age when it has had too much water</extracomment>
            <translation>Too much water</translation>
        </message>
        <message>
            <source>顔色が悪く、元気がありません</source>
            <extracomment>What the plant is like when it has had too much water</extracomment>
            <translation>Looks pale and listless</translation>
        </message>
        <message>
            <source>水をかけてもらって気持ちよさそうです</source>
            <extracomment>The plant's answer to a watering that leaves it well</extracomment>
            <translation>Enjoying the water</translation>
        </message>
    </context>
    <context>
        <name>WordForm</name>
        <message>
            <source>話しかける</source>
            <extracomment>The talking window, as a screen reader names it</extracomment>
            <translation>Talk to it</translation>
        </message>
        <message>
            <source>OK</source>
            <extracomment>Button: say the chosen sentence</extracomment>
            <translation>OK</translation>
        </message>
    </context>
</TS>

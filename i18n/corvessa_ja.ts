<?xml version='1.0' encoding='utf-8'?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name>AccessibleText</name>
    <message>
        <source>My Looks, look %1: %2</source>
        <translation>マイルック、ルック %1: %2</translation>
    </message>
    <message>
        <source>%1, look %2: %3</source>
        <translation>%1、ルック %2: %3</translation>
    </message>
    <message>
        <source>Look %1</source>
        <translation>ルック %1</translation>
    </message>
    <message>
        <source>Strength %1 %</source>
        <translation>強さ %1 %</translation>
    </message>
    <message>
        <source>No photo</source>
        <translation>写真なし</translation>
    </message>
    <message>
        <source>%1 × %2 pixels, zoom %3</source>
        <translation>%1 × %2 ピクセル、ズーム %3</translation>
    </message>
    <message>
        <source>The photo being edited</source>
        <translation>編集中の写真</translation>
    </message>
    <message>
        <source>Crop frame</source>
        <translation>切り抜き枠</translation>
    </message>
    <message>
        <source>The photo with the look</source>
        <translation>ルックを適用した写真</translation>
    </message>
    <message>
        <source>The working photo</source>
        <translation>作業中の写真</translation>
    </message>
    <message>
        <source>%1 %2, %3</source>
        <translation>%1 %2、%3</translation>
    </message>
    <message>
        <source>Photos</source>
        <translation>写真</translation>
    </message>
    <message>
        <source>The photos the batch renders; Add Files, Add Folder or a drop adds more</source>
        <translation>一括処理する写真です。「ファイルを追加」「フォルダーを追加」またはドロップで追加できます</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>カテゴリー</translation>
    </message>
    <message>
        <source>The category whose looks show below</source>
        <translation>下にルックが表示されるカテゴリーです</translation>
    </message>
    <message>
        <source>Looks</source>
        <translation>ルック</translation>
    </message>
    <message>
        <source>The ten looks of the category, drawn from the first photo</source>
        <translation>このカテゴリーの 10 種類のルックです。最初の写真で描画しています</translation>
    </message>
    <message>
        <source>The .cube file</source>
        <translation>.cube ファイル</translation>
    </message>
    <message>
        <source>Choose the .cube file</source>
        <translation>.cube ファイルを選択</translation>
    </message>
    <message>
        <source>Choose the colour</source>
        <translation>色を選択</translation>
    </message>
    <message>
        <source>Strength</source>
        <translation>強さ</translation>
    </message>
    <message>
        <source>How much of the look each photo takes</source>
        <translation>各写真にルックをかける強さです</translation>
    </message>
    <message>
        <source>Output folder</source>
        <translation>出力先フォルダー</translation>
    </message>
    <message>
        <source>Choose the output folder</source>
        <translation>出力先フォルダーを選択</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>形式</translation>
    </message>
    <message>
        <source>Names</source>
        <translation>名前</translation>
    </message>
    <message>
        <source>The pattern of the output names</source>
        <translation>出力ファイルの名前のパターンです</translation>
    </message>
    <message>
        <source>Longer side</source>
        <translation>長辺</translation>
    </message>
    <message>
        <source>The longer side of each output in pixels, or full size</source>
        <translation>各出力の長辺のピクセル数、または元のサイズです</translation>
    </message>
    <message>
        <source>Crop</source>
        <translation>切り抜き</translation>
    </message>
    <message>
        <source>Turn</source>
        <translation>回転</translation>
    </message>
    <message>
        <source>Photos done</source>
        <translation>処理済みの写真</translation>
    </message>
    <message>
        <source>Every photo as it ends, the latest at the foot</source>
        <translation>処理が終わった順の写真です。最新のものが一番下にあります</translation>
    </message>
    <message>
        <source>Photos that failed</source>
        <translation>失敗した写真</translation>
    </message>
    <message>
        <source>Photos rendered with a warning</source>
        <translation>警告付きで処理した写真</translation>
    </message>
    <message>
        <source>Quality</source>
        <translation>画質</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>サイズ</translation>
    </message>
    <message>
        <source>Long edge or percentage</source>
        <translation>長辺またはパーセント</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>フォルダー</translation>
    </message>
    <message>
        <source>Choose the folder</source>
        <translation>フォルダーを選択</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名前</translation>
    </message>
    <message>
        <source>The pattern of the copy's name</source>
        <translation>コピーの名前のパターンです</translation>
    </message>
    <message>
        <source>Help page</source>
        <translation>ヘルプページ</translation>
    </message>
</context>
<context>
    <name>ActionTable</name>
    <message>
        <source>Open</source>
        <translation>開く</translation>
    </message>
    <message>
        <source>opens a photo</source>
        <translation>写真を開きます</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>writes the photo shown to a file</source>
        <translation>表示中の写真をファイルに保存します</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>書き出し</translation>
    </message>
    <message>
        <source>writes a copy for sharing: smaller, without the location</source>
        <translation>サイズを小さくし位置情報を除いた、共有用のコピーを書き出します</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>元に戻す</translation>
    </message>
    <message>
        <source>takes back the last Apply</source>
        <translation>最後の適用を取り消します</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>やり直し</translation>
    </message>
    <message>
        <source>brings back the Apply Undo took back</source>
        <translation>「元に戻す」で取り消した適用をやり直します</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>編集</translation>
    </message>
    <message>
        <source>crops, turns, straightens and adjusts the photo in the Edit panel</source>
        <translation>編集パネルで写真の切り抜き、回転、角度補正、調整を行います</translation>
    </message>
    <message>
        <source>Batch</source>
        <translation>一括処理</translation>
    </message>
    <message>
        <source>puts one look on many photos</source>
        <translation>1 つのルックを多数の写真に適用します</translation>
    </message>
    <message>
        <source>Add Look</source>
        <translation>ルック追加</translation>
    </message>
    <message>
        <source>copies .cube colour tables into My Looks</source>
        <translation>.cube カラーテーブルをマイルックにコピーします</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>ヘルプ</translation>
    </message>
    <message>
        <source>shows this page</source>
        <translation>このページを表示します</translation>
    </message>
    <message>
        <source>Next looks</source>
        <translation>次のルック</translation>
    </message>
    <message>
        <source>the next ten of My Looks</source>
        <translation>マイルックの次の 10 件を表示します</translation>
    </message>
    <message>
        <source>Previous looks</source>
        <translation>前のルック</translation>
    </message>
    <message>
        <source>the ten of My Looks before</source>
        <translation>マイルックの前の 10 件を表示します</translation>
    </message>
    <message>
        <source>Large looks</source>
        <translation>大きく表示</translation>
    </message>
    <message>
        <source>each look drawn large with its name, or the small strip again</source>
        <translation>各ルックを名前付きで大きく表示します。もう一度押すと小さな一覧に戻ります</translation>
    </message>
    <message>
        <source>100 %</source>
        <translation>100 %</translation>
    </message>
    <message>
        <source>one photo pixel a screen pixel</source>
        <translation>写真の 1 ピクセルを画面の 1 ピクセルで表示します</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>全体表示</translation>
    </message>
    <message>
        <source>the whole photo in view again</source>
        <translation>写真全体が見えるように表示し直します</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>stops the Open, render or thumbnails that run; in the preview, drops the look; in the Edit panel, leaves it with the photo as it was</source>
        <translation>実行中の読み込み、描画、サムネイル作成を中止します。プレビューではルックを破棄し、編集パネルでは写真を元のままにしてパネルを閉じます</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>適用</translation>
    </message>
    <message>
        <source>makes the look shown your photo</source>
        <translation>表示中のルックを写真に適用します</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>比較</translation>
    </message>
    <message>
        <source>held down, shows the photo as it was</source>
        <translation>押している間、適用前の写真を表示します</translation>
    </message>
    <message>
        <source>Thumbnails</source>
        <translation>サムネイル</translation>
    </message>
    <message>
        <source>frames the thumbnail beside the one framed</source>
        <translation>選択枠を左右のサムネイルに移します</translation>
    </message>
    <message>
        <source>frames the thumbnail above or below the one framed</source>
        <translation>選択枠を上下のサムネイルに移します</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>プレビュー</translation>
    </message>
    <message>
        <source>shows the framed thumbnail's look in the preview</source>
        <translation>枠で選んだサムネイルのルックをプレビューに表示します</translation>
    </message>
    <message>
        <source>makes the edits your photo</source>
        <translation>編集内容を写真に適用します</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>カテゴリー</translation>
    </message>
    <message>
        <source>frames the category button above or below the one framed</source>
        <translation>選択枠を上下のカテゴリーボタンに移します</translation>
    </message>
    <message>
        <source>Page Up</source>
        <translation>Page Up</translation>
    </message>
    <message>
        <source>Page Down</source>
        <translation>Page Down</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Enter</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <translation>%1 または %2</translation>
    </message>
    <message>
        <source>the Edit panel</source>
        <translation>編集パネル</translation>
    </message>
    <message>
        <source>the preview</source>
        <translation>プレビュー</translation>
    </message>
    <message>
        <source>the main window</source>
        <translation>メインウィンドウ</translation>
    </message>
    <message>
        <source>both windows</source>
        <translation>両方のウィンドウ</translation>
    </message>
    <message>
        <source>Crop frame</source>
        <translation>切り抜き枠</translation>
    </message>
    <message>
        <source>moves the framed crop frame left or right</source>
        <translation>選択中の切り抜き枠を左右に動かします</translation>
    </message>
    <message>
        <source>moves the framed crop frame up or down</source>
        <translation>選択中の切り抜き枠を上下に動かします</translation>
    </message>
    <message>
        <source>makes the framed crop frame narrower or wider</source>
        <translation>選択中の切り抜き枠の幅を狭く、または広くします</translation>
    </message>
    <message>
        <source>makes the framed crop frame shorter or taller</source>
        <translation>選択中の切り抜き枠の高さを低く、または高くします</translation>
    </message>
</context>
<context>
    <name>Adjustments</name>
    <message>
        <source>Exposure</source>
        <translation>露出</translation>
    </message>
    <message>
        <source>Brighter or darker, in stops; highlights roll off, never clip</source>
        <translation>段単位で明るく、または暗くします。ハイライトはなめらかに白へ近づき、白飛びしません</translation>
    </message>
    <message>
        <source>Contrast</source>
        <translation>コントラスト</translation>
    </message>
    <message>
        <source>Steeper tones about the middle grey, flatter below 0</source>
        <translation>中間グレーを中心に階調を硬くします。0 未満では軟らかくします</translation>
    </message>
    <message>
        <source>Highlights</source>
        <translation>ハイライト</translation>
    </message>
    <message>
        <source>Below 0 brings back bright areas' detail; above 0 brightens them</source>
        <translation>0 未満で明るい部分のディテールを取り戻し、0 より上ではさらに明るくします</translation>
    </message>
    <message>
        <source>Shadows</source>
        <translation>シャドウ</translation>
    </message>
    <message>
        <source>Above 0 brings out dark areas' detail; below 0 deepens them</source>
        <translation>0 より上で暗い部分のディテールを引き出し、0 未満ではさらに暗くします</translation>
    </message>
    <message>
        <source>Saturation</source>
        <translation>彩度</translation>
    </message>
    <message>
        <source>Every colour stronger, or weaker below 0; -100 is black and white</source>
        <translation>すべての色を鮮やかにします。0 未満では淡くし、-100 で白黒になります</translation>
    </message>
    <message>
        <source>Vibrance</source>
        <translation>自然な彩度</translation>
    </message>
    <message>
        <source>Muted colours stronger than strong ones, skin tones spared</source>
        <translation>くすんだ色ほど強く鮮やかにし、肌の色はそのままにします</translation>
    </message>
    <message>
        <source>Warmth</source>
        <translation>暖かみ</translation>
    </message>
    <message>
        <source>Warmer light (yellow) above 0, cooler (blue) below</source>
        <translation>0 より上で暖かい光 (黄)、0 未満で冷たい光 (青) にします</translation>
    </message>
    <message>
        <source>Tint</source>
        <translation>色合い</translation>
    </message>
    <message>
        <source>Towards magenta above 0, towards green below</source>
        <translation>0 より上でマゼンタ寄り、0 未満でグリーン寄りにします</translation>
    </message>
    <message>
        <source>Vignette</source>
        <translation>ビネット</translation>
    </message>
    <message>
        <source>Darker corners above 0, lighter below</source>
        <translation>0 より上で四隅を暗く、0 未満で明るくします</translation>
    </message>
    <message>
        <source>Sharpen</source>
        <translation>シャープネス</translation>
    </message>
    <message>
        <source>Crisper fine detail above 0, softer below</source>
        <translation>0 より上で細部をくっきりと、0 未満でやわらかくします</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Puts ready-made looks on a photo.</source>
        <translation>用意されたルックを写真に適用します。</translation>
    </message>
    <message>
        <source>The photo to open in place of the sample photo.</source>
        <translation>サンプル写真の代わりに開く写真。</translation>
    </message>
    <message>
        <source>Try 'corvessa --help'.</source>
        <translation>詳しくは 'corvessa --help' を実行してください。</translation>
    </message>
    <message>
        <source>one photo at a time, not %1</source>
        <translation>一度に開ける写真は 1 枚だけです (%1 枚指定されました)</translation>
    </message>
</context>
<context>
    <name>Dialogs</name>
    <message>
        <source>All pictures</source>
        <translation>すべての画像</translation>
    </message>
    <message>
        <source>the format's own</source>
        <translation>形式の既定値</translation>
    </message>
    <message>
        <source>Quality of a JPEG, HEIC, AVIF, WebP or JPEG XL save, 1 to 100</source>
        <translation>JPEG、HEIC、AVIF、WebP、JPEG XL で保存するときの画質 (1～100)</translation>
    </message>
    <message>
        <source>Quality:</source>
        <translation>画質:</translation>
    </message>
    <message>
        <source>Colour tables</source>
        <translation>カラーテーブル</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>すべてのファイル</translation>
    </message>
    <message>
        <source>Add Look</source>
        <translation>ルック追加</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 はすでに存在します。
置き換えますか?</translation>
    </message>
    <message>
        <source>%1 is the name of a %2 file, but the file type chosen is %3.
Save the photo as %2 under %1, or as %3 under %4?</source>
        <translation>%1 は %2 ファイルの名前ですが、選んだファイルの種類は %3 です。
写真を %2 形式で %1 として保存しますか? それとも %3 形式で %4 として保存しますか?</translation>
    </message>
    <message>
        <source>Save as %1</source>
        <translation>%1 で保存</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>置き換え</translation>
    </message>
    <message>
        <source>Skip those</source>
        <translation>スキップ</translation>
    </message>
    <message>
        <source>The photo has changes that were not saved.
Do you want to save them before closing?</source>
        <translation>写真に保存されていない変更があります。
閉じる前に保存しますか?</translation>
    </message>
    <message>
        <source>The photo has changes that were not saved.
Do you want to save them before opening %1?</source>
        <translation>写真に保存されていない変更があります。
%1 を開く前に保存しますか?</translation>
    </message>
</context>
<context>
    <name>FileSize</name>
    <message>
        <source>%1 MB</source>
        <translation>%1 MB</translation>
    </message>
    <message>
        <source>%1 KB</source>
        <translation>%1 KB</translation>
    </message>
    <message numerus="yes">
        <source>%n bytes</source>
        <translation>
            <numerusform>%n バイト</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Formats</name>
    <message>
        <source>read, write</source>
        <translation>読み込み、書き込み</translation>
    </message>
    <message>
        <source>read</source>
        <translation>読み込み</translation>
    </message>
</context>
<context>
    <name>Looks</name>
    <message>
        <source>Light A</source>
        <translation>ライトA</translation>
    </message>
    <message>
        <source>Amber Leak</source>
        <translation>アンバーの光漏れ</translation>
    </message>
    <message>
        <source>Corner Burn</source>
        <translation>隅のフィルム焼け</translation>
    </message>
    <message>
        <source>Edge Film Burn</source>
        <translation>縁のフィルム焼け</translation>
    </message>
    <message>
        <source>Twin Corner Leaks</source>
        <translation>両隅の光漏れ</translation>
    </message>
    <message>
        <source>Warm Sweep</source>
        <translation>暖色の光の帯</translation>
    </message>
    <message>
        <source>Golden Rise</source>
        <translation>立ちのぼる金色</translation>
    </message>
    <message>
        <source>Burn Hole</source>
        <translation>焼け穴</translation>
    </message>
    <message>
        <source>Film Gate Streaks</source>
        <translation>フィルムゲートの筋</translation>
    </message>
    <message>
        <source>Peach Wash</source>
        <translation>淡いピーチ色</translation>
    </message>
    <message>
        <source>Ember Edges</source>
        <translation>残り火の縁</translation>
    </message>
    <message>
        <source>Warm light leaks and film burns laid over the photo</source>
        <translation>写真に重ねる暖色の光漏れとフィルム焼け</translation>
    </message>
    <message>
        <source>Light B</source>
        <translation>ライトB</translation>
    </message>
    <message>
        <source>Blue Leak</source>
        <translation>青い光漏れ</translation>
    </message>
    <message>
        <source>Prism Edge</source>
        <translation>プリズムの縁</translation>
    </message>
    <message>
        <source>Cyan Flare</source>
        <translation>シアンのフレア</translation>
    </message>
    <message>
        <source>Teal Violet Corners</source>
        <translation>ティールと紫の隅</translation>
    </message>
    <message>
        <source>Anamorphic Streak</source>
        <translation>横一文字のフレア</translation>
    </message>
    <message>
        <source>Prism Fan</source>
        <translation>プリズムの扇</translation>
    </message>
    <message>
        <source>Halo Flare</source>
        <translation>ハロフレア</translation>
    </message>
    <message>
        <source>Violet Pour</source>
        <translation>降りそそぐ紫</translation>
    </message>
    <message>
        <source>Spectral Streaks</source>
        <translation>虹色の光の筋</translation>
    </message>
    <message>
        <source>Moonlit Haze</source>
        <translation>月明かりのかすみ</translation>
    </message>
    <message>
        <source>Cool flares, rainbow leaks and lens streaks laid over the photo</source>
        <translation>写真に重ねる寒色のフレア、虹色の光漏れ、レンズの光の筋</translation>
    </message>
    <message>
        <source>Light C</source>
        <translation>ライトC</translation>
    </message>
    <message>
        <source>Corner Sunbeams</source>
        <translation>隅から差す日差し</translation>
    </message>
    <message>
        <source>God Rays</source>
        <translation>天使のはしご</translation>
    </message>
    <message>
        <source>Golden Bokeh</source>
        <translation>金色のボケ</translation>
    </message>
    <message>
        <source>Side Bokeh</source>
        <translation>片側のボケ</translation>
    </message>
    <message>
        <source>Sunburst Corner</source>
        <translation>隅の光芒</translation>
    </message>
    <message>
        <source>Low Sun</source>
        <translation>低い太陽</translation>
    </message>
    <message>
        <source>Corner Hexagons</source>
        <translation>隅の六角ボケ</translation>
    </message>
    <message>
        <source>Amber Uplight</source>
        <translation>下からのアンバー光</translation>
    </message>
    <message>
        <source>Forest Shafts</source>
        <translation>森の木漏れ日</translation>
    </message>
    <message>
        <source>Low Bokeh</source>
        <translation>下側のボケ</translation>
    </message>
    <message>
        <source>Sunbeams, rays and soft bokeh lights laid over the photo</source>
        <translation>写真に重ねる日差し、光線、やわらかな光のボケ</translation>
    </message>
    <message>
        <source>Star</source>
        <translation>スター</translation>
    </message>
    <message>
        <source>Blue Sky Glitter</source>
        <translation>青空のきらめき</translation>
    </message>
    <message>
        <source>Golden Glints</source>
        <translation>金色の輝き</translation>
    </message>
    <message>
        <source>Star Haze Arc</source>
        <translation>星かすみの弧</translation>
    </message>
    <message>
        <source>Blue Giants</source>
        <translation>青い巨星</translation>
    </message>
    <message>
        <source>Rose Gold Trail</source>
        <translation>ローズゴールドの軌跡</translation>
    </message>
    <message>
        <source>Magic Dust</source>
        <translation>魔法の粉</translation>
    </message>
    <message>
        <source>Rainbow Corners</source>
        <translation>虹色の隅</translation>
    </message>
    <message>
        <source>Meteor Shower</source>
        <translation>流星群</translation>
    </message>
    <message>
        <source>Glitter Frame</source>
        <translation>きらきらフレーム</translation>
    </message>
    <message>
        <source>Great Starburst</source>
        <translation>大きな星の輝き</translation>
    </message>
    <message>
        <source>Stars, glints and sparkles scattered over the photo</source>
        <translation>写真にちりばめる星、輝き、きらめき</translation>
    </message>
    <message>
        <source>Amazing</source>
        <translation>ワンダー</translation>
    </message>
    <message>
        <source>Corner Fireworks</source>
        <translation>隅の花火</translation>
    </message>
    <message>
        <source>Aurora Sky</source>
        <translation>オーロラの空</translation>
    </message>
    <message>
        <source>Summer Rainbow</source>
        <translation>夏の虹</translation>
    </message>
    <message>
        <source>Low Light Trails</source>
        <translation>低く流れる光跡</translation>
    </message>
    <message>
        <source>Laser Show</source>
        <translation>レーザーショー</translation>
    </message>
    <message>
        <source>Golden Burst</source>
        <translation>金色のバースト</translation>
    </message>
    <message>
        <source>Passing Comet</source>
        <translation>過ぎゆく彗星</translation>
    </message>
    <message>
        <source>Sun Halo</source>
        <translation>太陽のハロ</translation>
    </message>
    <message>
        <source>Light Painting</source>
        <translation>ライトペインティング</translation>
    </message>
    <message>
        <source>Cosmic Nebula</source>
        <translation>宇宙の星雲</translation>
    </message>
    <message>
        <source>Fireworks, northern lights, rainbows and other wonders in the sky</source>
        <translation>花火、オーロラ、虹など、空に広がる驚きの光景</translation>
    </message>
    <message>
        <source>Weather</source>
        <translation>天気</translation>
    </message>
    <message>
        <source>Light Rain</source>
        <translation>小雨</translation>
    </message>
    <message>
        <source>Soft Snowfall</source>
        <translation>しんしんと降る雪</translation>
    </message>
    <message>
        <source>Low Fog</source>
        <translation>地を這う霧</translation>
    </message>
    <message>
        <source>Heavy Downpour</source>
        <translation>土砂降り</translation>
    </message>
    <message>
        <source>Lightning Strike</source>
        <translation>落雷</translation>
    </message>
    <message>
        <source>Hail Shower</source>
        <translation>降りしきるひょう</translation>
    </message>
    <message>
        <source>Driving Blizzard</source>
        <translation>猛吹雪</translation>
    </message>
    <message>
        <source>Morning Mist</source>
        <translation>朝もや</translation>
    </message>
    <message>
        <source>Grey Drizzle</source>
        <translation>灰色の霧雨</translation>
    </message>
    <message>
        <source>Snow Crystals</source>
        <translation>雪の結晶</translation>
    </message>
    <message>
        <source>Rain, snow, fog and lightning laid over the photo</source>
        <translation>写真に重ねる雨、雪、霧、稲妻</translation>
    </message>
    <message>
        <source>Gradient</source>
        <translation>グラデ</translation>
    </message>
    <message>
        <source>Warm To Cool</source>
        <translation>暖色から寒色へ</translation>
    </message>
    <message>
        <source>Sunset Bands</source>
        <translation>夕焼けの帯</translation>
    </message>
    <message>
        <source>Teal Orange</source>
        <translation>ティール・オレンジ</translation>
    </message>
    <message>
        <source>Warm Centre</source>
        <translation>暖かな中央</translation>
    </message>
    <message>
        <source>Rose To Blue</source>
        <translation>ローズから青へ</translation>
    </message>
    <message>
        <source>Pastel Rainbow</source>
        <translation>パステルの虹</translation>
    </message>
    <message>
        <source>Cross Process</source>
        <translation>クロスプロセス</translation>
    </message>
    <message>
        <source>Blue Night</source>
        <translation>青い夜</translation>
    </message>
    <message>
        <source>Golden Corner</source>
        <translation>金色の隅</translation>
    </message>
    <message>
        <source>Green Purple</source>
        <translation>緑と紫</translation>
    </message>
    <message>
        <source>Colour gradients blended into the photo</source>
        <translation>写真に溶け込ませる色のグラデーション</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>カラー</translation>
    </message>
    <message>
        <source>Mint Tint</source>
        <translation>ミントトーン</translation>
    </message>
    <message>
        <source>Lemon Tint</source>
        <translation>レモントーン</translation>
    </message>
    <message>
        <source>Cyan Tint</source>
        <translation>シアントーン</translation>
    </message>
    <message>
        <source>Orange Tint</source>
        <translation>オレンジトーン</translation>
    </message>
    <message>
        <source>Violet Tint</source>
        <translation>バイオレットトーン</translation>
    </message>
    <message>
        <source>Pop Quadrants</source>
        <translation>ポップな4分割</translation>
    </message>
    <message>
        <source>Olive Mono</source>
        <translation>オリーブのモノクロ</translation>
    </message>
    <message>
        <source>Crimson Veil</source>
        <translation>深紅のベール</translation>
    </message>
    <message>
        <source>Green Edges</source>
        <translation>緑の縁</translation>
    </message>
    <message>
        <source>Green Mono</source>
        <translation>緑のモノクロ</translation>
    </message>
    <message>
        <source>The photo tinted with one colour or several</source>
        <translation>1 色または複数の色で染めた写真</translation>
    </message>
    <message>
        <source>Texture</source>
        <translation>テクスチャ</translation>
    </message>
    <message>
        <source>Bright Paper</source>
        <translation>明るい紙</translation>
    </message>
    <message>
        <source>Primed Canvas</source>
        <translation>下塗りキャンバス</translation>
    </message>
    <message>
        <source>Film Grain</source>
        <translation>フィルムの粒子</translation>
    </message>
    <message>
        <source>Grunge Stains</source>
        <translation>グランジの染み</translation>
    </message>
    <message>
        <source>Raw Concrete</source>
        <translation>素のコンクリート</translation>
    </message>
    <message>
        <source>Wood Grain</source>
        <translation>木目</translation>
    </message>
    <message>
        <source>Celadon Crackle</source>
        <translation>青磁の貫入</translation>
    </message>
    <message>
        <source>Old Print</source>
        <translation>古いプリント</translation>
    </message>
    <message>
        <source>Faded Denim</source>
        <translation>色あせたデニム</translation>
    </message>
    <message>
        <source>Burnt Parchment</source>
        <translation>焦げた羊皮紙</translation>
    </message>
    <message>
        <source>Paper, canvas, grain and other surfaces blended into the photo</source>
        <translation>写真に溶け込ませる紙、キャンバス、粒子などの質感</translation>
    </message>
    <message>
        <source>Edge A</source>
        <translation>フレームA</translation>
    </message>
    <message>
        <source>Frosted Margin</source>
        <translation>すりガラスの余白</translation>
    </message>
    <message>
        <source>Soft Oval</source>
        <translation>やわらかな楕円</translation>
    </message>
    <message>
        <source>Torn Paper</source>
        <translation>破れた紙</translation>
    </message>
    <message>
        <source>Deckled Print</source>
        <translation>耳付きプリント</translation>
    </message>
    <message>
        <source>Postage Stamp</source>
        <translation>切手</translation>
    </message>
    <message>
        <source>Sprocket Strip</source>
        <translation>パーフォレーション</translation>
    </message>
    <message>
        <source>Brush Strokes</source>
        <translation>筆あと</translation>
    </message>
    <message>
        <source>Heart Shape</source>
        <translation>ハート形</translation>
    </message>
    <message>
        <source>Soft Circle</source>
        <translation>やわらかな円</translation>
    </message>
    <message>
        <source>Instant Photo</source>
        <translation>インスタント写真</translation>
    </message>
    <message>
        <source>Margins and shaped frames around the photo</source>
        <translation>写真を囲む余白やさまざまな形のフレーム</translation>
    </message>
    <message>
        <source>Edge B</source>
        <translation>フレームB</translation>
    </message>
    <message>
        <source>Cloud Frame</source>
        <translation>雲のフレーム</translation>
    </message>
    <message>
        <source>Feathered Edge</source>
        <translation>ぼかした縁</translation>
    </message>
    <message>
        <source>Lined Mat</source>
        <translation>線入りマット</translation>
    </message>
    <message>
        <source>Grunge Spray</source>
        <translation>グランジスプレー</translation>
    </message>
    <message>
        <source>Rounded Corners</source>
        <translation>角丸</translation>
    </message>
    <message>
        <source>Lace Oval</source>
        <translation>レースの楕円</translation>
    </message>
    <message>
        <source>Arched Window</source>
        <translation>アーチ窓</translation>
    </message>
    <message>
        <source>Notepad Page</source>
        <translation>メモ帳のページ</translation>
    </message>
    <message>
        <source>Slide Mount</source>
        <translation>スライドマウント</translation>
    </message>
    <message>
        <source>Spray Splatter</source>
        <translation>スプレーの飛沫</translation>
    </message>
    <message>
        <source>More frames: clouds, lace, torn paper and slide mounts</source>
        <translation>ほかのフレーム: 雲、レース、破れた紙、スライドマウント</translation>
    </message>
    <message>
        <source>Dream A</source>
        <translation>ドリームA</translation>
    </message>
    <message>
        <source>Pink Haze</source>
        <translation>ピンクのかすみ</translation>
    </message>
    <message>
        <source>Floating Hearts</source>
        <translation>浮かぶハート</translation>
    </message>
    <message>
        <source>Soap Bubbles</source>
        <translation>シャボン玉</translation>
    </message>
    <message>
        <source>Lavender Glitter</source>
        <translation>ラベンダーのきらめき</translation>
    </message>
    <message>
        <source>Heart Bokeh</source>
        <translation>ハートのボケ</translation>
    </message>
    <message>
        <source>Peach Bubbles</source>
        <translation>ピーチの泡</translation>
    </message>
    <message>
        <source>Pastel Orbs</source>
        <translation>パステルの玉ボケ</translation>
    </message>
    <message>
        <source>White Dream</source>
        <translation>白い夢</translation>
    </message>
    <message>
        <source>Pastel Drift</source>
        <translation>ただようパステル</translation>
    </message>
    <message>
        <source>Falling Petals</source>
        <translation>舞い散る花びら</translation>
    </message>
    <message>
        <source>Soft pastel haze, hearts and bubbles over the photo</source>
        <translation>写真に重ねるやわらかなパステルのかすみ、ハート、泡</translation>
    </message>
    <message>
        <source>Dream B</source>
        <translation>ドリームB</translation>
    </message>
    <message>
        <source>Cotton Candy</source>
        <translation>わたあめ</translation>
    </message>
    <message>
        <source>Corner Hearts</source>
        <translation>隅のハート</translation>
    </message>
    <message>
        <source>Big Bubbles</source>
        <translation>大きな泡</translation>
    </message>
    <message>
        <source>Golden Magic</source>
        <translation>金色の魔法</translation>
    </message>
    <message>
        <source>Pastel Clouds</source>
        <translation>パステルの雲</translation>
    </message>
    <message>
        <source>Violet Sparkle</source>
        <translation>紫のきらめき</translation>
    </message>
    <message>
        <source>Fairy Light Heart</source>
        <translation>電飾のハート</translation>
    </message>
    <message>
        <source>Crescent Moon</source>
        <translation>三日月</translation>
    </message>
    <message>
        <source>Sky Lanterns</source>
        <translation>スカイランタン</translation>
    </message>
    <message>
        <source>Rose Gold Dust</source>
        <translation>ローズゴールドの粉</translation>
    </message>
    <message>
        <source>Candy colours, clouds and fairy lights over the photo</source>
        <translation>写真に重ねるキャンディーカラー、雲、電飾</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>ライン</translation>
    </message>
    <message>
        <source>Fine Rules</source>
        <translation>細い横線</translation>
    </message>
    <message>
        <source>Fine Columns</source>
        <translation>細い縦線</translation>
    </message>
    <message>
        <source>Diagonal Hairlines</source>
        <translation>細い斜線</translation>
    </message>
    <message>
        <source>Fine Grid</source>
        <translation>細かい格子</translation>
    </message>
    <message>
        <source>Dot Screen</source>
        <translation>網点</translation>
    </message>
    <message>
        <source>Cross Hatch</source>
        <translation>クロスハッチ</translation>
    </message>
    <message>
        <source>Wave Lines</source>
        <translation>波線</translation>
    </message>
    <message>
        <source>Brick Lines</source>
        <translation>レンガ模様</translation>
    </message>
    <message>
        <source>Halftone Corner</source>
        <translation>隅の網点</translation>
    </message>
    <message>
        <source>Zigzag Rules</source>
        <translation>ジグザグ線</translation>
    </message>
    <message>
        <source>Line patterns drawn from the photo</source>
        <translation>写真から描く線のパターン</translation>
    </message>
    <message>
        <source>Art</source>
        <translation>アート</translation>
    </message>
    <message>
        <source>Soft Bloom</source>
        <translation>やわらかな光彩</translation>
    </message>
    <message>
        <source>Dark Bloom</source>
        <translation>暗めの光彩</translation>
    </message>
    <message>
        <source>Misty Grey</source>
        <translation>霧のグレー</translation>
    </message>
    <message>
        <source>Muted Wash</source>
        <translation>くすんだ色調</translation>
    </message>
    <message>
        <source>Deep Tones</source>
        <translation>深いトーン</translation>
    </message>
    <message>
        <source>Bright Glow</source>
        <translation>まばゆい輝き</translation>
    </message>
    <message>
        <source>Coloured Pencil</source>
        <translation>色鉛筆</translation>
    </message>
    <message>
        <source>Strong Contrast</source>
        <translation>強いコントラスト</translation>
    </message>
    <message>
        <source>Mosaic Tiles</source>
        <translation>モザイクタイル</translation>
    </message>
    <message>
        <source>Pencil Sketch</source>
        <translation>鉛筆スケッチ</translation>
    </message>
    <message>
        <source>Glows, washes, pencil drawings and mosaics made from the photo</source>
        <translation>写真から作る光彩、淡い色調、鉛筆画、モザイク</translation>
    </message>
    <message>
        <source>Preset</source>
        <translation>プリセット</translation>
    </message>
    <message>
        <source>Fireworks Circle</source>
        <translation>花火の輪</translation>
    </message>
    <message>
        <source>Lilac Mist</source>
        <translation>ライラックの霧</translation>
    </message>
    <message>
        <source>Rainy Day</source>
        <translation>雨の日</translation>
    </message>
    <message>
        <source>Night Vision</source>
        <translation>ナイトビジョン</translation>
    </message>
    <message>
        <source>Nebula Dream</source>
        <translation>星雲の夢</translation>
    </message>
    <message>
        <source>Rose Wood</source>
        <translation>ローズウッド</translation>
    </message>
    <message>
        <source>Old Film Flare</source>
        <translation>古いフィルムのフレア</translation>
    </message>
    <message>
        <source>Magenta Dream</source>
        <translation>マゼンタの夢</translation>
    </message>
    <message>
        <source>Yellow Frame</source>
        <translation>黄色いフレーム</translation>
    </message>
    <message>
        <source>Ember Stardust</source>
        <translation>残り火の星くず</translation>
    </message>
    <message>
        <source>Ready-made looks that mix several effects in one</source>
        <translation>複数のエフェクトを 1 つにまとめた既製のルック</translation>
    </message>
    <message>
        <source>Film</source>
        <translation>フィルム</translation>
    </message>
    <message>
        <source>Warm Print</source>
        <translation>暖かなプリント</translation>
    </message>
    <message>
        <source>Cool Matte</source>
        <translation>クールなマット</translation>
    </message>
    <message>
        <source>Faded Vintage</source>
        <translation>色あせたビンテージ</translation>
    </message>
    <message>
        <source>Teal And Orange</source>
        <translation>ティール＆オレンジ</translation>
    </message>
    <message>
        <source>Rich Slide</source>
        <translation>鮮やかなリバーサル</translation>
    </message>
    <message>
        <source>Soft Portrait</source>
        <translation>ソフトなポートレート</translation>
    </message>
    <message>
        <source>Contrast Mono</source>
        <translation>硬調モノクロ</translation>
    </message>
    <message>
        <source>Warm Mono</source>
        <translation>温黒調モノクロ</translation>
    </message>
    <message>
        <source>Bleach Bypass</source>
        <translation>銀残し</translation>
    </message>
    <message>
        <source>Gentle colour grades of the whole photo, like film stocks and prints</source>
        <translation>フィルムやプリントのような、写真全体へのやさしいカラーグレーディング</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Cannot open file %1: %2</source>
        <translation>ファイル %1 を開けません: %2</translation>
    </message>
    <message>
        <source>Cannot open file %1</source>
        <translation>ファイル %1 を開けません</translation>
    </message>
    <message>
        <source>Cannot create file %1: %2</source>
        <translation>ファイル %1 を作成できません: %2</translation>
    </message>
    <message>
        <source>Cannot create file %1</source>
        <translation>ファイル %1 を作成できません</translation>
    </message>
    <message>
        <source>%1 is a symbolic link of another user</source>
        <translation>%1 は別のユーザーのシンボリックリンクです</translation>
    </message>
    <message>
        <source>%1 is a symbolic link in a folder of another user</source>
        <translation>%1 は別のユーザーのフォルダー内にあるシンボリックリンクです</translation>
    </message>
    <message>
        <source>%1 is an input; it is not overwritten</source>
        <translation>%1 は入力ファイルなので上書きしません</translation>
    </message>
    <message>
        <source>Stream write error: %1</source>
        <translation>書き込みエラー: %1</translation>
    </message>
    <message>
        <source>Stream write error</source>
        <translation>書き込みエラー</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>ディスクがいっぱいです</translation>
    </message>
    <message>
        <source>the file became shorter while it was read</source>
        <translation>読み込み中にファイルが短くなりました</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>フォルダーです</translation>
    </message>
    <message>
        <source>it is not a folder</source>
        <translation>フォルダーではありません</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>通常のファイルではありません</translation>
    </message>
    <message>
        <source>it is a symbolic link</source>
        <translation>シンボリックリンクです</translation>
    </message>
    <message>
        <source>it is a symbolic link of another user in a shared folder</source>
        <translation>共有フォルダー内にある、別のユーザーのシンボリックリンクです</translation>
    </message>
    <message>
        <source>No such file or directory</source>
        <translation>そのようなファイルやディレクトリはありません</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>許可がありません</translation>
    </message>
    <message>
        <source>No space left on device</source>
        <translation>デバイスに空き領域がありません</translation>
    </message>
    <message>
        <source>Read-only file system</source>
        <translation>読み込み専用のファイルシステムです</translation>
    </message>
    <message>
        <source>Is a directory</source>
        <translation>ディレクトリです</translation>
    </message>
    <message>
        <source>Not enough memory for the picture</source>
        <translation>画像を処理するためのメモリーが足りません</translation>
    </message>
    <message>
        <source>Not enough memory to save as %1</source>
        <translation>メモリーが足りないため %1 で保存できません</translation>
    </message>
    <message>
        <source>The work was stopped</source>
        <translation>処理を中止しました</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>不明なエラーです</translation>
    </message>
    <message>
        <source>%1; read as %2 by its first bytes: %3</source>
        <translation>%1。先頭のバイトから %2 として読み込んだ結果: %3</translation>
    </message>
    <message>
        <source>Unknown picture file extension (.%1)</source>
        <translation>不明な画像ファイルの拡張子です (.%1)</translation>
    </message>
    <message>
        <source>Unknown picture format</source>
        <translation>不明な画像形式です</translation>
    </message>
    <message>
        <source>The %1 reader failed</source>
        <translation>%1 の読み込み処理に失敗しました</translation>
    </message>
    <message>
        <source>The %1 writer failed</source>
        <translation>%1 の書き込み処理に失敗しました</translation>
    </message>
    <message>
        <source>The %1 reader could not be started: %2</source>
        <translation>%1 の読み込み処理を開始できませんでした: %2</translation>
    </message>
    <message>
        <source>The %1 writer could not be started: %2</source>
        <translation>%1 の書き込み処理を開始できませんでした: %2</translation>
    </message>
    <message>
        <source>The %1 reader did not finish within %2 seconds</source>
        <translation>%1 の読み込み処理が %2 秒以内に終了しませんでした</translation>
    </message>
    <message>
        <source>The %1 writer did not finish within %2 seconds</source>
        <translation>%1 の書き込み処理が %2 秒以内に終了しませんでした</translation>
    </message>
    <message>
        <source>Cannot make room to pass a picture: %1</source>
        <translation>画像を受け渡す領域を確保できません: %1</translation>
    </message>
    <message>
        <source>Bitmap image is not valid: %1</source>
        <translation>画像が正しくありません: %1</translation>
    </message>
    <message>
        <source>Bitmap image is not valid</source>
        <translation>画像が正しくありません</translation>
    </message>
    <message>
        <source>Picture is too large (%1 x %2)</source>
        <translation>画像が大きすぎます (%1 x %2)</translation>
    </message>
    <message>
        <source>Picture is too large for JPEG (%1 x %2; at most %3 pixels a side): save it as PNG or BMP</source>
        <translation>画像が大きすぎて JPEG では保存できません (%1 x %2、一辺の上限は %3 ピクセル): PNG か BMP で保存してください</translation>
    </message>
    <message>
        <source>Picture is too large for HEIF (%1 x %2): save it as PNG or JPEG</source>
        <translation>画像が大きすぎて HEIF では保存できません (%1 x %2): PNG か JPEG で保存してください</translation>
    </message>
    <message>
        <source>Picture is too large for WebP (%1 x %2): save it as PNG or JPEG</source>
        <translation>画像が大きすぎて WebP では保存できません (%1 x %2): PNG か JPEG で保存してください</translation>
    </message>
    <message>
        <source>The file is incomplete: the picture lacks detail, or its lower part is missing</source>
        <translation>ファイルが不完全です: 画像の細部が欠けているか、画像の下の部分がありません</translation>
    </message>
    <message>
        <source>The file is incomplete: its lower part is missing</source>
        <translation>ファイルが不完全です: 画像の下の部分がありません</translation>
    </message>
    <message>
        <source>it claims %1 x %2 pixels, more than its %3 bytes can hold</source>
        <translation>画像は %1 x %2 ピクセルとされていますが、ファイルの %3 バイトには収まりません</translation>
    </message>
    <message>
        <source>the picture is empty</source>
        <translation>画像が空です</translation>
    </message>
    <message>
        <source>the file holds no picture</source>
        <translation>ファイルに画像がありません</translation>
    </message>
    <message>
        <source>the file ends before its picture does</source>
        <translation>画像の途中でファイルが終わっています</translation>
    </message>
    <message>
        <source>the file ends before its last row</source>
        <translation>最後の行に達する前にファイルが終わっています</translation>
    </message>
    <message>
        <source>its header cannot be read</source>
        <translation>ヘッダーを読み込めません</translation>
    </message>
    <message>
        <source>it is not a JPEG XL file</source>
        <translation>JPEG XL ファイルではありません</translation>
    </message>
    <message>
        <source>it is not a camera raw file</source>
        <translation>カメラ RAW ファイルではありません</translation>
    </message>
    <message>
        <source>its raw data is larger than the program takes</source>
        <translation>RAW データが大きすぎて扱えません</translation>
    </message>
    <message>
        <source>The crop leaves nothing of the photo</source>
        <translation>切り抜くと写真が何も残りません</translation>
    </message>
    <message>
        <source>LUT file is not valid: %1</source>
        <translation>LUT ファイルが正しくありません: %1</translation>
    </message>
    <message>
        <source>LUT file is not valid</source>
        <translation>LUT ファイルが正しくありません</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>%1 行目: %2</translation>
    </message>
    <message>
        <source>the file is longer than %1 MB</source>
        <translation>ファイルが %1 MB を超えています</translation>
    </message>
    <message>
        <source>the file is too short for its %1 entries</source>
        <translation>ファイルが短すぎて %1 個のエントリーが収まりません</translation>
    </message>
    <message>
        <source>it holds %1 entries where its size wants %2</source>
        <translation>エントリーが %1 個ありますが、サイズから必要な数は %2 個です</translation>
    </message>
    <message>
        <source>it gives neither LUT_1D_SIZE nor LUT_3D_SIZE</source>
        <translation>LUT_1D_SIZE も LUT_3D_SIZE もありません</translation>
    </message>
    <message>
        <source>an entry comes before LUT_1D_SIZE or LUT_3D_SIZE</source>
        <translation>LUT_1D_SIZE または LUT_3D_SIZE より前にエントリーがあります</translation>
    </message>
    <message>
        <source>size %1 is outside 2 to %2</source>
        <translation>サイズ %1 は範囲外です (2～%2)</translation>
    </message>
    <message>
        <source>%1 is not a number</source>
        <translation>%1 は数値ではありません</translation>
    </message>
    <message>
        <source>%1 is not a size</source>
        <translation>%1 はサイズとして使えません</translation>
    </message>
    <message>
        <source>a value is out of range</source>
        <translation>値が範囲外です</translation>
    </message>
    <message>
        <source>a value is not a finite number</source>
        <translation>値が有限の数値ではありません</translation>
    </message>
    <message>
        <source>three numbers are wanted</source>
        <translation>数値が 3 つ必要です</translation>
    </message>
    <message>
        <source>two numbers are wanted</source>
        <translation>数値が 2 つ必要です</translation>
    </message>
    <message>
        <source>one size is wanted</source>
        <translation>サイズは 1 つだけ指定してください</translation>
    </message>
    <message>
        <source>the size is given twice</source>
        <translation>サイズが 2 回指定されています</translation>
    </message>
    <message>
        <source>the size comes after the entries</source>
        <translation>サイズがエントリーの後にあります</translation>
    </message>
    <message>
        <source>the size is missing</source>
        <translation>サイズがありません</translation>
    </message>
    <message>
        <source>a keyword comes after the entries</source>
        <translation>エントリーの後にキーワードがあります</translation>
    </message>
    <message>
        <source>unknown keyword %1</source>
        <translation>不明なキーワード %1</translation>
    </message>
    <message>
        <source>The name pattern is empty</source>
        <translation>名前のパターンが空です</translation>
    </message>
    <message>
        <source>The name pattern "%1" may not hold a /</source>
        <translation>名前のパターン "%1" には / を含められません</translation>
    </message>
    <message>
        <source>The name pattern "%1" may not hold a zero byte</source>
        <translation>名前のパターン "%1" にはゼロバイトを含められません</translation>
    </message>
    <message>
        <source>The name pattern "%1" has a } without a {</source>
        <translation>名前のパターン "%1" に、対応する { のない } があります</translation>
    </message>
    <message>
        <source>The name pattern "%1" has a { without a }</source>
        <translation>名前のパターン "%1" に、対応する } のない { があります</translation>
    </message>
    <message>
        <source>The name pattern "%1" has an unknown field %2; the fields are %3</source>
        <translation>名前のパターン "%1" に不明なフィールド %2 があります。使えるフィールド: %3</translation>
    </message>
    <message>
        <source>The name pattern "%1" gives %2 no file name</source>
        <translation>名前のパターン "%1" では %2 のファイル名ができません</translation>
    </message>
    <message>
        <source>done already</source>
        <translation>処理済み</translation>
    </message>
    <message>
        <source>My Looks cannot be read or added to: %1</source>
        <translation>マイルックを読み込めず、追加もできません: %1</translation>
    </message>
    <message>
        <source>No looks</source>
        <translation>ルックなし</translation>
    </message>
    <message>
        <source>Looks %1-%2 of %3</source>
        <translation>ルック %1～%2 (全 %3 件)</translation>
    </message>
    <message>
        <source>%1 — %2</source>
        <translation>%1 — %2</translation>
    </message>
    <message>
        <source>{name}, {folder}, {category}, {effect} and {look}</source>
        <translation>{name}、{folder}、{category}、{effect}、{look}</translation>
    </message>
    <message>
        <source>PNG error: %1</source>
        <translation>PNG エラー: %1</translation>
    </message>
    <message>
        <source>nothing to compress</source>
        <translation>圧縮するデータがありません</translation>
    </message>
    <message>
        <source>libjxl cannot encode the picture</source>
        <translation>libjxl で画像をエンコードできません</translation>
    </message>
    <message>
        <source>libheif cannot write the file</source>
        <translation>libheif がファイルを書き込めません</translation>
    </message>
    <message>
        <source>libheif has no encoder for %1</source>
        <translation>libheif には %1 のエンコーダーがありません</translation>
    </message>
    <message>
        <source>libwebp does not match its headers</source>
        <translation>libwebp がヘッダーと一致しません</translation>
    </message>
    <message>
        <source>libwebp cannot encode the picture (error %1)</source>
        <translation>libwebp で画像をエンコードできません (エラー %1)</translation>
    </message>
    <message>
        <source>libwebpmux cannot take the picture</source>
        <translation>libwebpmux が画像を受け付けません</translation>
    </message>
    <message>
        <source>libwebpmux cannot write the file</source>
        <translation>libwebpmux がファイルを書き込めません</translation>
    </message>
    <message>
        <source>it claims %1 x %2 pixels, more than its %3 bytes of picture data can hold</source>
        <translation>画像は %1 x %2 ピクセルとされていますが、ファイル内の %3 バイトの画像データには収まりません</translation>
    </message>
    <message>
        <source>it claims %1 x %2 pixels, more than its %3 bytes of losslessly compressed picture data can hold</source>
        <translation>画像は %1 x %2 ピクセルとされていますが、ファイル内の %3 バイトの可逆圧縮画像データには収まりません</translation>
    </message>
    <message>
        <source>its tiles of %1 x %2 are larger than the cells of its grid of %3 x %4 for %5 x %6 pixels</source>
        <translation>タイル (%1 x %2) が、%5 x %6 ピクセルの画像を分けるグリッド (%3 x %4) のセルより大きくなっています</translation>
    </message>
    <message>
        <source>its %1 tiles hold more than its %2 x %3 pixels</source>
        <translation>%1 枚のタイルが %2 x %3 ピクセルの画像の範囲を超えています</translation>
    </message>
    <message>
        <source>it has more than %1 items</source>
        <translation>項目が %1 個を超えています</translation>
    </message>
    <message>
        <source>samples of %1 bits</source>
        <translation>サンプルが %1 ビットです</translation>
    </message>
    <message>
        <source>its first picture is made of more than %1 layers</source>
        <translation>最初の画像のレイヤー数が %1 を超えています</translation>
    </message>
    <message>
        <source>its layers claim %1 pixels, more than its %2 bytes can hold</source>
        <translation>レイヤーの合計は %1 ピクセルとされていますが、ファイルの %2 バイトには収まりません</translation>
    </message>
    <message>
        <source>its tag %1 lies past the end of the file</source>
        <translation>タグ %1 の値がファイルの末尾を越えています</translation>
    </message>
    <message>
        <source>its colour filter pattern does not match its size</source>
        <translation>カラーフィルターのパターンがサイズと一致しません</translation>
    </message>
    <message>
        <source>its tile %1 codes more pixels than the tile holds</source>
        <translation>タイル %1 に、タイルに収まるより多くのピクセルが記録されています</translation>
    </message>
    <message>
        <source>its strip %1 codes more pixels than the picture holds</source>
        <translation>ストリップ %1 に、画像に収まるより多くのピクセルが記録されています</translation>
    </message>
    <message>
        <source>libjxl cannot decode it</source>
        <translation>libjxl でデコードできません</translation>
    </message>
    <message>
        <source>LibRaw made no picture of it</source>
        <translation>LibRaw で画像を作成できませんでした</translation>
    </message>
    <message>
        <source>JPEG stream has more scans than its file could hold (more than %1, or far too many for its size)</source>
        <translation>JPEG ストリームのスキャン数が、ファイルに収まる数を超えています (%1 を超えているか、サイズに対して多すぎます)</translation>
    </message>
    <message>
        <source>JPEG error #%1: %2</source>
        <translation>JPEG エラー #%1: %2</translation>
    </message>
    <message>
        <source>JPEG error #%1</source>
        <translation>JPEG エラー #%1</translation>
    </message>
    <message>
        <source>Premature end of input file</source>
        <translation>入力ファイルが途中で終わっています</translation>
    </message>
    <message>
        <source>Not a JPEG file: starts with %1 %2</source>
        <translation>JPEG ファイルではありません: 先頭のバイトが %1 %2 です</translation>
    </message>
    <message>
        <source>Floating point division by zero</source>
        <translation>浮動小数点数のゼロ除算です</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>コマンドラインオプションのヘルプを表示します。</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>Qt 固有のオプションを含むヘルプを表示します。</translation>
    </message>
</context>
<context>
    <name>Remembered</name>
    <message>
        <source>Settings are not kept: %1 — %2</source>
        <translation>設定は保存されません: %1 — %2</translation>
    </message>
</context>
<context>
    <name>SingleInstance</name>
    <message>
        <source>later starts cannot reach this window: %1</source>
        <translation>後から起動した Corvessa はこのウィンドウに接続できません: %1</translation>
    </message>
    <message>
        <source>cannot make the folder %1: %2</source>
        <translation>フォルダー %1 を作成できません: %2</translation>
    </message>
    <message>
        <source>%1 is not a folder of your own that only you may write to</source>
        <translation>%1 は、自分だけが書き込める自分のフォルダーではありません</translation>
    </message>
    <message>
        <source>cannot open %1: %2</source>
        <translation>%1 を開けません: %2</translation>
    </message>
    <message>
        <source>%1 belongs to another user</source>
        <translation>%1 は別のユーザーのものです</translation>
    </message>
</context>
<context>
    <name>TEditPanel</name>
    <message>
        <source>No crop</source>
        <translation>切り抜きなし</translation>
    </message>
    <message>
        <source>%1 EV</source>
        <translation>%1 EV</translation>
    </message>
    <message>
        <source>Free</source>
        <translation>自由</translation>
    </message>
    <message>
        <source>Original</source>
        <translation>元の比率</translation>
    </message>
    <message>
        <source>Screen</source>
        <translation>画面</translation>
    </message>
</context>
<context>
    <name>TFormBatch</name>
    <message>
        <source>Add photos</source>
        <translation>写真を追加</translation>
    </message>
    <message>
        <source>Add the photos of a folder</source>
        <translation>フォルダーの写真を追加</translation>
    </message>
    <message>
        <source>Output folder</source>
        <translation>出力先フォルダー</translation>
    </message>
    <message>
        <source>A .cube file</source>
        <translation>.cube ファイル</translation>
    </message>
    <message>
        <source>Colour</source>
        <translation>色</translation>
    </message>
</context>
<context>
    <name>TFormMain</name>
    <message>
        <source>Click the small photo  to preveiw and apply this effect.</source>
        <translation>小さな写真をクリックすると、このエフェクトをプレビューして適用できます。</translation>
    </message>
    <message>
        <source>One look on many photos (%1)</source>
        <translation>1 つのルックを多数の写真に適用 (%1)</translation>
    </message>
    <message>
        <source>Crop, turn, straighten and adjust the photo (%1)</source>
        <translation>写真の切り抜き、回転、角度補正、調整 (%1)</translation>
    </message>
    <message>
        <source>A copy for sharing (%1)</source>
        <translation>共有用のコピーを書き出し (%1)</translation>
    </message>
    <message>
        <source>Keep faces clear</source>
        <translation>顔を保護</translation>
    </message>
    <message>
        <source>Every look taken back over the faces in the photo, their hair and neck</source>
        <translation>写真に写った顔とその髪、首には、どのルックもかけません</translation>
    </message>
    <message>
        <source>Saved %1, %2</source>
        <translation>%1 を保存しました (%2)</translation>
    </message>
</context>
<context>
    <name>corvessa-render</name>
    <message>
        <source>Edits (before the look, or alone; always in this order, whatever the order given):
  --rotate 90|180|270 turn clockwise
  --flip h|v          mirror left to right (h) or top to bottom (v); may be given twice
  --straighten DEG    turn by -45 to 45 degrees clockwise, in steps of 0.1, keeping the
                      largest upright rectangle of the photo's shape
  --crop X,Y,W,H      keep that rectangle, in pixels of the photo once turned and
                      straightened (clipped to it)
  --crop-ratio W:H    keep the largest centred rectangle of that shape (4:5, 16:9)
  --adjust KEY=VALUE,...  adjust, 0 leaving it as it is:
</source>
        <translation>編集 (ルックの前に、または単独で。指定した順序にかかわらず常にこの順で行います):
  --rotate 90|180|270 時計回りに回転します
  --flip h|v          左右 (h) または上下 (v) に反転します。2 回指定できます
  --straighten DEG    時計回りに -45～45 度、0.1 度単位で回転し、写真の縦横比で
                      傾きのない最大の長方形を残します
  --crop X,Y,W,H      その長方形を残します。座標は回転と角度補正を済ませた
                      写真のピクセル単位です (はみ出す部分は切り詰めます)
  --crop-ratio W:H    その縦横比で中央の最大の長方形を残します (4:5、16:9)
  --adjust KEY=VALUE,...  調整します。0 では変化しません:
</translation>
    </message>
    <message>
        <source>  --auto              levels and white balance found for each photo from its own colours
</source>
        <translation>  --auto              写真ごとに、その写真の色からレベル補正とホワイトバランスを決めます
</translation>
    </message>
    <message>
        <source>Categories (--look CATEGORY:N, --strip CATEGORY):</source>
        <translation>カテゴリー (--look CATEGORY:N, --strip CATEGORY):</translation>
    </message>
    <message>
        <source>Filters (--filter NAME[:ARG,...]):</source>
        <translation>フィルター (--filter NAME[:ARG,...]):</translation>
    </message>
    <message>
        <source>usage: corvessa-render [EDITS] [--pic DIR] --look CATEGORY:N [--color R,G,B | --color cancel]
                       [--strength S] [--keep-faces] [--quality Q] INPUT OUTPUT
       corvessa-render [EDITS] --lut FILE.cube [--strength S] [--keep-faces] [--quality Q] INPUT OUTPUT
       corvessa-render [EDITS] [--seed S] --filter NAME[:ARG[,ARG...]] [--quality Q] INPUT OUTPUT
       corvessa-render EDITS [--quality Q] INPUT OUTPUT
       corvessa-render [--pic DIR] --strip CATEGORY [--thumbnail-size N] INPUT OUTDIR
       corvessa-render [EDITS] --look CATEGORY:N [--color ...] [--strength S] [--keep-faces] -o OUTDIR
                       [--files-from FILE|- [-0]] [-j N]
                       [--name PATTERN] [--format FORMAT] [--quality Q] [--skip-existing] [--report FILE|-]
                       [INPUT...]
       corvessa-render --list
       corvessa-render --list-formats

  --lut FILE.cube     a 1D or 3D colour table of the .cube form as the look; also with -o
  --keep-faces        the look taken back over each face found in the photo, its hair and neck
  --quality Q         1 to 100, for a lossy output format (JPEG: 90 unless given)
  --resize N          the output's longer side N pixels (16 to 65535); WxH: fit inside
                      W x H; P%: P percent of each side (1 to 100). Never enlarges
  --strip-location    the output carries no GPS position; the other camera data stays
  --strip-metadata    the output carries no camera data (the colour profile stays)
  --srgb              the output's colours converted to sRGB from the photo's profile
                      (these four with --look, --lut, --filter, the edits or alone; also with -o)
  --thumbnail-size N  large thumbnails: each look's full render of the photo scaled to
                      N pixels on its longer side (16 to 1024)
</source>
        <translation>使い方: corvessa-render [EDITS] [--pic DIR] --look CATEGORY:N [--color R,G,B | --color cancel]
                        [--strength S] [--keep-faces] [--quality Q] INPUT OUTPUT
        corvessa-render [EDITS] --lut FILE.cube [--strength S] [--keep-faces] [--quality Q] INPUT OUTPUT
        corvessa-render [EDITS] [--seed S] --filter NAME[:ARG[,ARG...]] [--quality Q] INPUT OUTPUT
        corvessa-render EDITS [--quality Q] INPUT OUTPUT
        corvessa-render [--pic DIR] --strip CATEGORY [--thumbnail-size N] INPUT OUTDIR
        corvessa-render [EDITS] --look CATEGORY:N [--color ...] [--strength S] [--keep-faces] -o OUTDIR
                        [--files-from FILE|- [-0]] [-j N]
                        [--name PATTERN] [--format FORMAT] [--quality Q] [--skip-existing] [--report FILE|-]
                        [INPUT...]
        corvessa-render --list
        corvessa-render --list-formats

  --lut FILE.cube     .cube 形式の 1D または 3D カラーテーブルをルックとして使います。-o とも使えます
  --keep-faces        写真で見つかった顔とその髪、首にはルックをかけません
  --quality Q         非可逆の出力形式の画質、1～100 (JPEG: 指定がなければ 90)
  --resize N          出力の長辺を N ピクセルにします (16～65535)。WxH: W x H に
                      収まるように縮小。P%: 各辺を P パーセントに (1～100)。拡大はしません
  --strip-location    出力に GPS の位置情報を含めません。ほかのカメラのデータは残ります
  --strip-metadata    出力にカメラのデータを含めません (カラープロファイルは残ります)
  --srgb              出力の色を写真のプロファイルから sRGB に変換します
                      (この 4 つは --look、--lut、--filter、編集と一緒に、または単独で使えます。-o とも使えます)
  --thumbnail-size N  大きなサムネイル: 各ルックを写真全体に適用した結果を、長辺が
                      N ピクセルになるように縮小します (16～1024)
</translation>
    </message>
    <message>
        <source>Batch options (with -o OUTDIR, after --look, --lut or the edits alone):
  --files-from FILE   more inputs, one a line (- for standard input)
  -0, --null          the names in --files-from end with a NUL byte instead of a line's end
                      (find -print0), for names that hold a newline
  -j N                photos rendered at once (default: one per core)
  --name PATTERN      output names: {name} {folder} {category} {effect} {look} (default: {name})
  --format FORMAT     </source>
        <translation>一括処理のオプション (-o OUTDIR と一緒に、--look、--lut、または編集のみの後に指定):
  --files-from FILE   追加の入力ファイル。1 行に 1 つ (- で標準入力)
  -0, --null          --files-from の名前の区切りを行末ではなく NUL バイトにします
                      (find -print0)。改行を含む名前に使います
  -j N                同時に処理する写真の数 (既定: コアごとに 1 枚)
  --name PATTERN      出力の名前: {name} {folder} {category} {effect} {look} (既定: {name})
  --format FORMAT     </translation>
    </message>
    <message>
        <source> (default: the output name's extension)
  --skip-existing     leave outputs that exist as they are
  --report FILE       one JSON line a photo (- for standard output); see corvessa-render(1)
</source>
        <translation> (既定: 出力名の拡張子)
  --skip-existing     既存の出力ファイルはそのままにします
  --report FILE       写真ごとに 1 行の JSON を出力します (- で標準出力)。corvessa-render(1) を参照
</translation>
    </message>
    <message>
        <source>unknown category "%1" (see --list)</source>
        <translation>不明なカテゴリー "%1" (--list を参照)</translation>
    </message>
    <message>
        <source>unknown filter "%1" (see --list)</source>
        <translation>不明なフィルター "%1" (--list を参照)</translation>
    </message>
    <message>
        <source>filter argument "%1" is not a whole number</source>
        <translation>フィルターの引数 "%1" は整数ではありません</translation>
    </message>
    <message>
        <source>the filter wants %1</source>
        <translation>このフィルターの書式: %1</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>不明なオプション: %1</translation>
    </message>
    <message>
        <source>%1 wants a value</source>
        <translation>%1 には値が必要です</translation>
    </message>
    <message>
        <source>--look wants CATEGORY:N with N from 1 to 10</source>
        <translation>--look には CATEGORY:N を指定してください (N は 1～10)</translation>
    </message>
    <message>
        <source>--color wants R,G,B (0 to 255 each) or cancel</source>
        <translation>--color には R,G,B (それぞれ 0～255) または cancel を指定してください</translation>
    </message>
    <message>
        <source>give one of --look, --lut, --filter, --strip, --list and --list-formats</source>
        <translation>--look、--lut、--filter、--strip、--list、--list-formats のうち 1 つだけを指定してください</translation>
    </message>
    <message>
        <source>give one of --look, --lut, --filter, --strip, --list and --list-formats, or edits</source>
        <translation>--look、--lut、--filter、--strip、--list、--list-formats のうち 1 つ、または編集を指定してください</translation>
    </message>
    <message>
        <source>-o OUTDIR wants at least one INPUT or --files-from</source>
        <translation>-o OUTDIR には 1 つ以上の INPUT か --files-from が必要です</translation>
    </message>
    <message>
        <source>the edits want INPUT and OUTPUT</source>
        <translation>編集には INPUT と OUTPUT が必要です</translation>
    </message>
    <message>
        <source>--list takes no files</source>
        <translation>--list にはファイルを指定できません</translation>
    </message>
    <message>
        <source>--list-formats takes no files</source>
        <translation>--list-formats にはファイルを指定できません</translation>
    </message>
    <message>
        <source>--lut wants INPUT and OUTPUT</source>
        <translation>--lut には INPUT と OUTPUT が必要です</translation>
    </message>
    <message>
        <source>--look wants INPUT and OUTPUT</source>
        <translation>--look には INPUT と OUTPUT が必要です</translation>
    </message>
    <message>
        <source>--filter wants INPUT and OUTPUT</source>
        <translation>--filter には INPUT と OUTPUT が必要です</translation>
    </message>
    <message>
        <source>--strip wants INPUT and OUTDIR</source>
        <translation>--strip には INPUT と OUTDIR が必要です</translation>
    </message>
    <message>
        <source>-o belongs with --look, --lut or the edits alone</source>
        <translation>-o は --look、--lut、または編集のみと一緒に使います</translation>
    </message>
    <message>
        <source>the edits belong with --look, --lut, --filter or alone</source>
        <translation>編集は --look、--lut、--filter と一緒に、または単独で使います</translation>
    </message>
    <message>
        <source>--files-from, -j, --name, --format, --skip-existing and --report belong with -o OUTDIR</source>
        <translation>--files-from、-j、--name、--format、--skip-existing、--report は -o OUTDIR と一緒に使います</translation>
    </message>
    <message>
        <source>-0 belongs with --files-from</source>
        <translation>-0 は --files-from と一緒に使います</translation>
    </message>
    <message>
        <source>--thumbnail-size belongs with --strip</source>
        <translation>--thumbnail-size は --strip と一緒に使います</translation>
    </message>
    <message>
        <source>--color belongs with --look</source>
        <translation>--color は --look と一緒に使います</translation>
    </message>
    <message>
        <source>--pic belongs with --look or --strip</source>
        <translation>--pic は --look または --strip と一緒に使います</translation>
    </message>
    <message>
        <source>with --lut, --name takes {name} and {folder}</source>
        <translation>--lut のとき、--name に使えるのは {name} と {folder} だけです</translation>
    </message>
    <message>
        <source>with the edits alone, --name takes {name} and {folder}</source>
        <translation>編集のみのとき、--name に使えるのは {name} と {folder} だけです</translation>
    </message>
    <message>
        <source>--strength belongs with --look or --lut</source>
        <translation>--strength は --look または --lut と一緒に使います</translation>
    </message>
    <message>
        <source>--keep-faces belongs with --look or --lut</source>
        <translation>--keep-faces は --look または --lut と一緒に使います</translation>
    </message>
    <message>
        <source>--quality belongs with --look, --lut, --filter or the edits</source>
        <translation>--quality は --look、--lut、--filter、または編集と一緒に使います</translation>
    </message>
    <message>
        <source>--resize, --strip-location, --strip-metadata and --srgb belong with --look, --lut, --filter, the edits or alone</source>
        <translation>--resize、--strip-location、--strip-metadata、--srgb は --look、--lut、--filter、編集と一緒に、または単独で使います</translation>
    </message>
    <message>
        <source>--resize wants N or WxH (16 to 65535 pixels each) or P% (1 to 100)</source>
        <translation>--resize には N、WxH (それぞれ 16～65535 ピクセル)、または P% (1～100) を指定してください</translation>
    </message>
    <message>
        <source>--seed wants a number from 0 to 4294967295</source>
        <translation>--seed には 0～4294967295 の数値を指定してください</translation>
    </message>
    <message>
        <source>--strength wants a number from 0 to 100</source>
        <translation>--strength には 0～100 の数値を指定してください</translation>
    </message>
    <message>
        <source>--thumbnail-size wants a number from 16 to 1024</source>
        <translation>--thumbnail-size には 16～1024 の数値を指定してください</translation>
    </message>
    <message>
        <source>-j wants a number from 1 to 1024</source>
        <translation>-j には 1～1024 の数値を指定してください</translation>
    </message>
    <message>
        <source>--quality wants a number from 1 to 100</source>
        <translation>--quality には 1～100 の数値を指定してください</translation>
    </message>
    <message>
        <source>--format wants %1</source>
        <translation>--format に指定できる形式: %1</translation>
    </message>
    <message>
        <source>--adjust wants KEY=VALUE,... with KEY one of %1</source>
        <translation>--adjust には KEY=VALUE,... の形で指定してください。KEY は次のいずれかです: %1</translation>
    </message>
    <message>
        <source>--adjust %1 wants a whole number from %2 to %3</source>
        <translation>--adjust %1 には %2～%3 の整数を指定してください</translation>
    </message>
    <message>
        <source>--adjust %1 wants a number from %2 to %3</source>
        <translation>--adjust %1 には %2～%3 の数値を指定してください</translation>
    </message>
    <message>
        <source>--crop wants X,Y,W,H in whole pixels, X and Y from 0, W and H from 1</source>
        <translation>--crop には X,Y,W,H を整数のピクセル数で指定してください (X と Y は 0 以上、W と H は 1 以上)</translation>
    </message>
    <message>
        <source>--crop-ratio wants W:H with W and H from 1 to 10000</source>
        <translation>--crop-ratio には W:H を指定してください (W と H は 1～10000)</translation>
    </message>
    <message>
        <source>--rotate wants 90, 180 or 270, once</source>
        <translation>--rotate には 90、180、270 のいずれかを 1 回だけ指定してください</translation>
    </message>
    <message>
        <source>--flip wants h or v</source>
        <translation>--flip には h または v を指定してください</translation>
    </message>
    <message>
        <source>--straighten wants degrees from -45 to 45, once</source>
        <translation>--straighten には -45～45 の角度を 1 回だけ指定してください</translation>
    </message>
    <message>
        <source>give one of --crop and --crop-ratio, once</source>
        <translation>--crop と --crop-ratio はどちらか一方を 1 回だけ指定してください</translation>
    </message>
    <message>
        <source>Stream write error: the report: %1</source>
        <translation>書き込みエラー: レポート: %1</translation>
    </message>
    <message>
        <source>%1 of %2 done, %3 spent, about %4 left</source>
        <translation>%1 / %2 件完了、経過 %3、残り約 %4</translation>
    </message>
    <message>
        <source>%1 of %2 done, %3 spent</source>
        <translation>%1 / %2 件完了、経過 %3</translation>
    </message>
</context>
<context>
    <name>corvessa::TBatchEditBox</name>
    <message>
        <source>Edits before the look</source>
        <translation>ルックの前の編集</translation>
    </message>
    <message>
        <source>The largest centred part of each photo of this shape</source>
        <translation>各写真の中央から、この縦横比で最大の範囲を残します</translation>
    </message>
    <message>
        <source>Not turned</source>
        <translation>回転なし</translation>
    </message>
    <message>
        <source>Right 90°</source>
        <translation>右に90°</translation>
    </message>
    <message>
        <source>180°</source>
        <translation>180°</translation>
    </message>
    <message>
        <source>Left 90°</source>
        <translation>左に90°</translation>
    </message>
    <message>
        <source>Auto for each photo</source>
        <translation>写真ごとに自動</translation>
    </message>
    <message>
        <source>Levels and white balance read from each photo, in place of what those sliders say</source>
        <translation>スライダーの値の代わりに、写真ごとにレベル補正とホワイトバランスを読み取って決めます</translation>
    </message>
    <message>
        <source>Crop:</source>
        <translation>切り抜き:</translation>
    </message>
    <message>
        <source>Turn:</source>
        <translation>回転:</translation>
    </message>
</context>
<context>
    <name>corvessa::TBatchProgressPage</name>
    <message>
        <source>The main window stays usable; closing this dialog lets the batch go on.</source>
        <translation>処理中もメインウィンドウは使えます。このダイアログを閉じても一括処理は続きます。</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Now: %1</source>
        <translation>処理中: %1</translation>
    </message>
    <message>
        <source>%1: rendered into %2 in %3 s, with a warning: %4</source>
        <translation>%1: %2 を作成しました (%3 秒)、警告あり: %4</translation>
    </message>
    <message>
        <source>%1: rendered into %2 in %3 s</source>
        <translation>%1: %2 を作成しました (%3 秒)</translation>
    </message>
    <message>
        <source>%1: done already</source>
        <translation>%1: 処理済み</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message numerus="yes">
        <source>%n failed so far</source>
        <translation>
            <numerusform>これまでに %n 枚が失敗</numerusform>
        </translation>
    </message>
    <message>
        <source>Time spent %1, about %2 left</source>
        <translation>経過時間 %1、残り約 %2</translation>
    </message>
    <message>
        <source>Time spent %1</source>
        <translation>経過時間 %1</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n photos</source>
        <translation>
            <numerusform>%1 / %n 枚</numerusform>
        </translation>
    </message>
    <message>
        <source>Stopping after the photos in flight...</source>
        <translation>処理中の写真が終わりしだい停止します...</translation>
    </message>
</context>
<context>
    <name>corvessa::TBatchSettingsPage</name>
    <message>
        <source>My Looks: %1</source>
        <translation>マイルック: %1</translation>
    </message>
    <message>
        <source>The look in the preview: %1</source>
        <translation>プレビュー中のルック: %1</translation>
    </message>
    <message>
        <source>The look in the preview (none shown yet)</source>
        <translation>プレビュー中のルック (まだ表示していません)</translation>
    </message>
    <message>
        <source>This look takes no colour</source>
        <translation>このルックには色を指定できません</translation>
    </message>
    <message>
        <source>Fields: %1</source>
        <translation>フィールド: %1</translation>
    </message>
    <message>
        <source>The first photo's: %1</source>
        <translation>最初の写真の場合: %1</translation>
    </message>
    <message>
        <source>Photos</source>
        <translation>写真</translation>
    </message>
    <message>
        <source>Add Files...</source>
        <translation>ファイルを追加...</translation>
    </message>
    <message>
        <source>Add Folder...</source>
        <translation>フォルダーを追加...</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Photos may also be dropped here.</source>
        <translation>ここに写真をドロップすることもできます。</translation>
    </message>
    <message>
        <source>Look</source>
        <translation>ルック</translation>
    </message>
    <message>
        <source>This look, on the first photo:</source>
        <translation>このルック (最初の写真で表示):</translation>
    </message>
    <message>
        <source>A .cube file:</source>
        <translation>.cube ファイル:</translation>
    </message>
    <message>
        <source>A colour table of the .cube form as the look</source>
        <translation>.cube 形式のカラーテーブルをルックとして使います</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>参照...</translation>
    </message>
    <message>
        <source>Change Color:</source>
        <translation>色を変更:</translation>
    </message>
    <message>
        <source>Choose...</source>
        <translation>選択...</translation>
    </message>
    <message>
        <source>Strength:</source>
        <translation>強さ:</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>Keep faces clear</source>
        <translation>顔を保護</translation>
    </message>
    <message>
        <source>The look taken back over the faces found in each photo</source>
        <translation>各写真で見つかった顔にはルックをかけません</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>出力</translation>
    </message>
    <message>
        <source>Folder:</source>
        <translation>フォルダー:</translation>
    </message>
    <message>
        <source>Format:</source>
        <translation>形式:</translation>
    </message>
    <message>
        <source>Names:</source>
        <translation>名前:</translation>
    </message>
    <message>
        <source>Skip photos already done</source>
        <translation>処理済みの写真をスキップ</translation>
    </message>
    <message>
        <source>To share:</source>
        <translation>共有用:</translation>
    </message>
    <message>
        <source>full size</source>
        <translation>元のサイズ</translation>
    </message>
    <message>
        <source> px</source>
        <translation> px</translation>
    </message>
    <message>
        <source>The longer side of each output; a smaller photo keeps its size</source>
        <translation>出力の長辺の長さです。これより小さい写真は元のサイズのままです</translation>
    </message>
    <message>
        <source>sRGB</source>
        <translation>sRGB</translation>
    </message>
    <message>
        <source>Without the location</source>
        <translation>位置情報なし</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>開始</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>%1
%2</source>
        <translation>%1
%2</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Add photos to see the looks on the first of them.</source>
        <translation>写真を追加すると、最初の写真でルックを確認できます。</translation>
    </message>
    <message>
        <source>Making the thumbnails...</source>
        <translation>サムネイルを作成しています...</translation>
    </message>
</context>
<context>
    <name>corvessa::TBatchSummaryPage</name>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Rendered with a warning:</source>
        <translation>警告付きで処理した写真:</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>フォルダーを開く</translation>
    </message>
    <message>
        <source>New Batch</source>
        <translation>新しい一括処理</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message numerus="yes">
        <source>&lt;b&gt;Cancelled: %1 of %n photos rendered&lt;/b&gt; into %2 in %3.</source>
        <translation>
            <numerusform>&lt;b&gt;キャンセル済み: %n 枚中 %1 枚を処理しました&lt;/b&gt; (出力先: %2、所要時間: %3)。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>&lt;b&gt;Done: %1 of %n photos rendered&lt;/b&gt; into %2 in %3.</source>
        <translation>
            <numerusform>&lt;b&gt;完了: %n 枚中 %1 枚を処理しました&lt;/b&gt; (出力先: %2、所要時間: %3)。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n done already and left as they were.</source>
        <translation>
            <numerusform>%n 枚は処理済みのため、そのままにしました。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n not rendered: the batch was cancelled.</source>
        <translation>
            <numerusform>%n 枚は処理されませんでした: 一括処理がキャンセルされました。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n failed:</source>
        <translation>
            <numerusform>%n 枚が失敗しました:</numerusform>
        </translation>
    </message>
    <message>
        <source>None failed.</source>
        <translation>失敗した写真はありません。</translation>
    </message>
    <message>
        <source>Nothing on this desktop shows folders; the photos are in %1.</source>
        <translation>このデスクトップにはフォルダーを表示するプログラムがありません。写真は %1 にあります。</translation>
    </message>
</context>
<context>
    <name>corvessa::TCropFrame</name>
    <message>
        <source>%1 × %2</source>
        <translation>%1 × %2</translation>
    </message>
    <message>
        <source>%1 × %2 pixels</source>
        <translation>%1 × %2 ピクセル</translation>
    </message>
</context>
<context>
    <name>corvessa::TEditPanel</name>
    <message>
        <source>The crop frame's shape; drag its corners and sides on the photo</source>
        <translation>切り抜き枠の縦横比です。写真上で枠の角や辺をドラッグしてください</translation>
    </message>
    <message>
        <source>Crop</source>
        <translation>切り抜き</translation>
    </message>
    <message>
        <source>Left 90°</source>
        <translation>左に90°</translation>
    </message>
    <message>
        <source>Turns the photo a quarter to the left</source>
        <translation>写真を左に 90° 回転します</translation>
    </message>
    <message>
        <source>Right 90°</source>
        <translation>右に90°</translation>
    </message>
    <message>
        <source>Turns the photo a quarter to the right</source>
        <translation>写真を右に 90° 回転します</translation>
    </message>
    <message>
        <source>Flip ↔</source>
        <translation>反転 ↔</translation>
    </message>
    <message>
        <source>Mirrors the photo left to right</source>
        <translation>写真を左右反転します</translation>
    </message>
    <message>
        <source>Flip ↕</source>
        <translation>反転 ↕</translation>
    </message>
    <message>
        <source>Mirrors the photo top to bottom</source>
        <translation>写真を上下反転します</translation>
    </message>
    <message>
        <source>Turns the photo by up to 45° either way and keeps the largest upright part of it</source>
        <translation>写真を左右どちらにも最大 45° 回転し、傾きのない最大の範囲を残します</translation>
    </message>
    <message>
        <source>Straighten</source>
        <translation>角度補正</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>自動</translation>
    </message>
    <message>
        <source>Levels and white balance from the photo</source>
        <translation>写真からレベル補正とホワイトバランスを決めます</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>リセット</translation>
    </message>
    <message>
        <source>Every edit back at none</source>
        <translation>すべての編集を取り消します</translation>
    </message>
    <message>
        <source>Closes the panel; the photo stays as it was (%1)</source>
        <translation>パネルを閉じます。写真は元のままです (%1)</translation>
    </message>
    <message>
        <source>Makes the edits your photo (%1)</source>
        <translation>編集内容を写真に適用します (%1)</translation>
    </message>
    <message>
        <source>Screen (%1:%2)</source>
        <translation>画面 (%1:%2)</translation>
    </message>
    <message>
        <source>Applied the edits</source>
        <translation>編集を適用しました</translation>
    </message>
    <message>
        <source>Applying the edits</source>
        <translation>編集を適用しています</translation>
    </message>
    <message>
        <source>%1 × %2 pixels</source>
        <translation>%1 × %2 ピクセル</translation>
    </message>
</context>
<context>
    <name>corvessa::TFormBatch</name>
    <message>
        <source>Batch</source>
        <translation>一括処理</translation>
    </message>
    <message numerus="yes">
        <source>%n of the outputs exist already in %1.</source>
        <translation>
            <numerusform>%1 には、出力するファイルのうち %n 個がすでに存在します。</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>corvessa::TFormExport</name>
    <message>
        <source>Export</source>
        <translation>書き出し</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>形式</translation>
    </message>
    <message>
        <source>Quality</source>
        <translation>画質</translation>
    </message>
    <message>
        <source>Full size</source>
        <translation>元のサイズ</translation>
    </message>
    <message>
        <source>Long edge, pixels</source>
        <translation>長辺 (px)</translation>
    </message>
    <message>
        <source>Percent</source>
        <translation>パーセント</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>サイズ</translation>
    </message>
    <message>
        <source>Remove the location (GPS)</source>
        <translation>位置情報 (GPS) を削除</translation>
    </message>
    <message>
        <source>Remove all camera data</source>
        <translation>カメラのデータをすべて削除</translation>
    </message>
    <message>
        <source>Convert to sRGB</source>
        <translation>sRGB に変換</translation>
    </message>
    <message>
        <source>The colours every browser and phone shows right</source>
        <translation>どのブラウザーやスマートフォンでも正しく表示される色にします</translation>
    </message>
    <message>
        <source>Choose...</source>
        <translation>選択...</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>フォルダー</translation>
    </message>
    <message>
        <source>{name}: the photo's name, {folder}: its folder's</source>
        <translation>{name}: 写真の名前、{folder}: 写真があるフォルダーの名前</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名前</translation>
    </message>
    <message>
        <source>File</source>
        <translation>ファイル</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Export to</source>
        <translation>書き出し先</translation>
    </message>
    <message>
        <source> %</source>
        <translation> %</translation>
    </message>
    <message>
        <source> px</source>
        <translation> px</translation>
    </message>
    <message>
        <source>The name of an export takes {name} and {folder}</source>
        <translation>書き出しの名前に使えるのは {name} と {folder} だけです</translation>
    </message>
    <message>
        <source>estimating...</source>
        <translation>見積もり中...</translation>
    </message>
    <message>
        <source>about %1, %2 x %3</source>
        <translation>約 %1、%2 x %3</translation>
    </message>
    <message>
        <source>Exporting...</source>
        <translation>書き出しています...</translation>
    </message>
    <message>
        <source>Exported %1, %2</source>
        <translation>%1 を書き出しました (%2)</translation>
    </message>
</context>
<context>
    <name>corvessa::TFormMain</name>
    <message>
        <source>Applied My Looks: %1</source>
        <translation>マイルックを適用しました: %1</translation>
    </message>
    <message>
        <source>Applied %1</source>
        <translation>適用しました: %1</translation>
    </message>
    <message>
        <source>Undone</source>
        <translation>元に戻しました</translation>
    </message>
    <message>
        <source>Redone</source>
        <translation>やり直しました</translation>
    </message>
</context>
<context>
    <name>corvessa::TFormPreview</name>
    <message>
        <source>Preview</source>
        <translation>プレビュー</translation>
    </message>
    <message>
        <source>Wait seconds</source>
        <translation>お待ちください</translation>
    </message>
    <message>
        <source>PROCESSING---</source>
        <translation>描画中---</translation>
    </message>
    <message>
        <source>Change Color</source>
        <translation>色を変更</translation>
    </message>
    <message>
        <source>Hold to see the photo without the look (or hold %1)</source>
        <translation>押している間、ルックなしの写真を表示します (%1 を押し続けても同じです)</translation>
    </message>
    <message>
        <source>Strength of the look</source>
        <translation>ルックの強さ</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1 %</translation>
    </message>
</context>
<context>
    <name>corvessa::THelpWindow</name>
    <message>
        <source>Corvessa Help</source>
        <translation>Corvessa ヘルプ</translation>
    </message>
</context>
<context>
    <name>corvessa::TImageView</name>
    <message>
        <source>Fit</source>
        <translation>全体表示</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1 %</translation>
    </message>
</context>
<context>
    <name>corvessa::TLookRenders</name>
    <message>
        <source>Rendering</source>
        <translation>描画しています</translation>
    </message>
    <message>
        <source>%1 cannot be used</source>
        <translation>%1 は使えません</translation>
    </message>
    <message>
        <source>Preview - %1 %2: %3</source>
        <translation>プレビュー - %1 %2: %3</translation>
    </message>
    <message>
        <source>Preview - My Looks: %1</source>
        <translation>プレビュー - マイルック: %1</translation>
    </message>
</context>
<context>
    <name>corvessa::TLooksStrip</name>
    <message>
        <source>Large thumbnails: each look drawn large, with its name (%1)</source>
        <translation>大きなサムネイル: 各ルックを名前付きで大きく表示します (%1)</translation>
    </message>
    <message>
        <source>Drawing the thumbnails</source>
        <translation>サムネイルを描画しています</translation>
    </message>
    <message>
        <source>Drawing your looks</source>
        <translation>マイルックを描画しています</translation>
    </message>
    <message>
        <source>%1
%2</source>
        <translation>%1
%2</translation>
    </message>
</context>
<context>
    <name>corvessa::TMyLooksView</name>
    <message>
        <source>My Looks</source>
        <translation>マイルック</translation>
    </message>
    <message>
        <source>Your own .cube colour tables from %1</source>
        <translation>%1 にある自分の .cube カラーテーブル</translation>
    </message>
    <message>
        <source>Add Look…</source>
        <translation>ルック追加…</translation>
    </message>
    <message>
        <source>Copy .cube colour tables into %1 (%2, or drop them on the window)</source>
        <translation>.cube カラーテーブルを %1 にコピーします (%2、またはウィンドウにドロップ)</translation>
    </message>
    <message>
        <source>Previous looks (%1)</source>
        <translation>前のルック (%1)</translation>
    </message>
    <message>
        <source>Next looks (%1)</source>
        <translation>次のルック (%1)</translation>
    </message>
    <message>
        <source>No looks of your own yet. Put .cube colour tables into %1, press Add Look... (%2), or drop .cube files on this window.</source>
        <translation>自分のルックはまだありません。.cube カラーテーブルを %1 に置くか、「ルック追加...」(%2) を押すか、.cube ファイルをこのウィンドウにドロップしてください。</translation>
    </message>
    <message>
        <source>No looks</source>
        <translation>ルックなし</translation>
    </message>
    <message numerus="yes">
        <source>Looks %1-%2 of %n</source>
        <translation>
            <numerusform>ルック %1～%2 (全 %n 件)</numerusform>
        </translation>
    </message>
    <message>
        <source>Reading your looks</source>
        <translation>マイルックを読み込んでいます</translation>
    </message>
</context>
<context>
    <name>corvessa::TPhotoOpener</name>
    <message>
        <source>Opening %1</source>
        <translation>%1 を開いています</translation>
    </message>
</context>
<context>
    <name>corvessa::TPhotoPane</name>
    <message>
        <source>%1[*] - Corvessa</source>
        <translation>%1[*] - Corvessa</translation>
    </message>
    <message>
        <source>%1 x %2
%3</source>
        <translation>%1 x %2
%3</translation>
    </message>
</context>
<context>
    <name>corvessa::TPhotoSaver</name>
    <message>
        <source>Saving %1</source>
        <translation>%1 を保存しています</translation>
    </message>
</context>
</TS>
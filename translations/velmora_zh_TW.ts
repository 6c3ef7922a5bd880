<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW">
<context>
    <name>BusImageView</name>
    <message>
        <source>Preview</source>
        <translation>預覽</translation>
    </message>
</context>
<context>
    <name>CellSelection</name>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>「%1」不是有效的整數</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a time the sign can take: the Time is a whole number of seconds from 0 to %2.</source>
        <translation>「%1」不是看板可用的時間：時間須為 0 到 %2 的整數秒。</translation>
    </message>
</context>
<context>
    <name>CurrentFormatReader</name>
    <message>
        <source>its header is complete</source>
        <translation>檔頭完整</translation>
    </message>
    <message>
        <source>height</source>
        <translation>高度</translation>
    </message>
    <message>
        <source>frame count</source>
        <translation>畫面數</translation>
    </message>
    <message>
        <source>width</source>
        <translation>寬度</translation>
    </message>
    <message>
        <source>frame %1 is complete</source>
        <translation>第 %1 個畫面完整</translation>
    </message>
    <message>
        <source>the %1 code %2 is below %3</source>
        <translation>%1碼 %2 小於 %3</translation>
    </message>
    <message>
        <source>the module width</source>
        <translation>模組寬度</translation>
    </message>
    <message>
        <source>all %1 module colours</source>
        <translation>全部 %1 個模組的顏色</translation>
    </message>
    <message>
        <source>byte %1</source>
        <translation>第 %1 位元組</translation>
    </message>
    <message>
        <source>the file ends before %1</source>
        <translation>檔案在%1前就結束了</translation>
    </message>
</context>
<context>
    <name>CurrentFormatWriter</name>
    <message>
        <source>its %1 code %2 does not fit the current format&apos;s 32-bit word</source>
        <translation>其%1碼 %2 超出目前格式的 32 位元字組</translation>
    </message>
    <message>
        <source>the module width %1 does not fit the current format&apos;s 32-bit word</source>
        <translation>模組寬度 %1 超出目前格式的 32 位元字組</translation>
    </message>
</context>
<context>
    <name>DownloadPlan</name>
    <message>
        <source>Row %1: the Download Board Number %2 is outside 0 .. %3, the board numbers a sign can be sent. Nothing was sent.</source>
        <translation>第 %1 列：下載看板編號 %2 不在看板可接收的 0 .. %3 之內。未傳送任何資料。</translation>
    </message>
    <message>
        <source>Line %1 (rows %2 .. %3) has %4 frames; a line can be sent with at most %5 frames. Nothing was sent.</source>
        <translation>路線 %1（第 %2 .. %3 列）有 %4 個畫面；一條路線最多只能傳送 %5 個畫面。未傳送任何資料。</translation>
    </message>
    <message>
        <source>Row %1: the Time %2 is outside 0 .. %3 seconds, the times a sign can be sent. Nothing was sent.</source>
        <translation>第 %1 列：時間 %2 不在看板可接收的 0 .. %3 秒之內。未傳送任何資料。</translation>
    </message>
    <message>
        <source>line %1: the last %2 of its %3 dot bytes</source>
        <translation>路線 %1：其 %3 個點位元組中的最後 %2 個</translation>
    </message>
    <message>
        <source>Only whole packets of %1 dot bytes are sent, so the sign will not get
%2.</source>
        <translation>只會傳送每包 %1 個點位元組的完整封包，因此看板收不到
%2。</translation>
    </message>
    <message>
        <source> Set up the sign with New, or open a file with module data, then download again.</source>
        <translation>請以「新增」設定看板，或開啟含模組資料的檔案，再重新下載。</translation>
    </message>
    <message>
        <source>The sign&apos;s modules do not make up its picture: %1 modules of %2 dots are not %3 dots wide, so the download would send dots from outside the sign.</source>
        <translation>看板的模組拼不成它的畫面：%1 個 %2 點的模組不等於 %3 點寬，下載會送出看板以外的點。</translation>
    </message>
    <message>
        <source>The sign&apos;s modules of %1 x %2 dots do not divide into bytes of 8 dots, so the download cannot lay out their dots.</source>
        <translation>看板的 %1 x %2 點模組無法分成每 8 點一個位元組，下載無法排列這些點。</translation>
    </message>
    <message>
        <source>Line %1 is not in the list. Nothing was sent.</source>
        <translation>清單中沒有路線 %1。未傳送任何資料。</translation>
    </message>
</context>
<context>
    <name>DownloadProtocol</name>
    <message>
        <source>Upload File Error！Please Upload this File Again！</source>
        <translation>傳送檔案錯誤！請重新傳送這個檔案！</translation>
    </message>
    <message>
        <source>Open COM Port Error</source>
        <translation>開啟 COM 埠錯誤</translation>
    </message>
    <message>
        <source>COM Port Setup Error</source>
        <translation>COM 埠設定錯誤</translation>
    </message>
    <message>
        <source>Line %1  packet %2  sent again (%3 of %4)</source>
        <translation>路線 %1  封包 %2  重送（第 %3 次，共 %4 次）</translation>
    </message>
    <message>
        <source>The Data of the File Error!!</source>
        <translation>檔案資料錯誤！！</translation>
    </message>
    <message>
        <source>Line No.:%1 Error!!</source>
        <translation>路線編號：%1 錯誤！！</translation>
    </message>
</context>
<context>
    <name>FontFileDamage</name>
    <message>
        <source>%1 is %2 bytes, shorter than the %3 bytes its glyphs need</source>
        <translation>%1 只有 %2 位元組，少於字形所需的 %3 位元組</translation>
    </message>
    <message>
        <source>%1 holds %2 values, fewer than the %3 its digits need</source>
        <translation>%1 只有 %2 個值，少於數字所需的 %3 個</translation>
    </message>
    <message>
        <source>Font %1 is not offered: %2</source>
        <translation>不提供字型 %1：%2</translation>
    </message>
</context>
<context>
    <name>FrameCells</name>
    <message>
        <source>No.</source>
        <translation>編號</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>路線</translation>
    </message>
    <message>
        <source>Download Board Number</source>
        <translation>下載看板編號</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>輪播</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>時間</translation>
    </message>
</context>
<context>
    <name>FrameListOps</name>
    <message>
        <source>The Max of the Frames is %1!!</source>
        <translation>畫面最多 %1 個！！</translation>
    </message>
</context>
<context>
    <name>GraphicEditPage</name>
    <message>
        <source>Picture</source>
        <translation>圖片</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>開啟</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>儲存</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>清除</translation>
    </message>
    <message>
        <source>Upload</source>
        <translation>置入</translation>
    </message>
    <message>
        <source>Image Size</source>
        <translation>圖片大小</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>預設</translation>
    </message>
</context>
<context>
    <name>LinePlayback</name>
    <message>
        <source>Line %1  </source>
        <translation>路線 %1  </translation>
    </message>
    <message>
        <source>frame %1/%2</source>
        <translation>畫面 %1/%2</translation>
    </message>
    <message>
        <source>  frame %1 has no time</source>
        <translation>  畫面 %1 沒有時間</translation>
    </message>
    <message>
        <source>  frame %1 time &quot;%2&quot; is not 1 to %3 s</source>
        <translation>  畫面 %1 的時間「%2」不在 1 到 %3 秒之內</translation>
    </message>
</context>
<context>
    <name>OlderFormatReader</name>
    <message>
        <source>the file ends before %1</source>
        <translation>檔案在%1前就結束了</translation>
    </message>
    <message>
        <source>after token %1</source>
        <translation>第 %1 個欄位之後</translation>
    </message>
    <message>
        <source>%1 is &apos;%2&apos;, not an integer</source>
        <translation>%1為「%2」，不是整數</translation>
    </message>
    <message>
        <source>%1 is a word longer than %2 characters</source>
        <translation>%1是超過 %2 個字元的字</translation>
    </message>
    <message>
        <source>token %1</source>
        <translation>第 %1 個欄位</translation>
    </message>
    <message>
        <source>Open File Failed!!The Data of File Error!!</source>
        <translation>開啟檔案失敗！！檔案資料錯誤！！</translation>
    </message>
    <message>
        <source>File Format Error!</source>
        <translation>檔案格式錯誤！</translation>
    </message>
    <message>
        <source>the width</source>
        <translation>寬度</translation>
    </message>
    <message>
        <source>the height</source>
        <translation>高度</translation>
    </message>
    <message>
        <source>the frame count</source>
        <translation>畫面數</translation>
    </message>
    <message>
        <source>the change mark of frame %1</source>
        <translation>畫面 %1 的輪播標記</translation>
    </message>
    <message>
        <source>the time of frame %1</source>
        <translation>畫面 %1 的時間</translation>
    </message>
    <message>
        <source>the board number of frame %1</source>
        <translation>畫面 %1 的看板編號</translation>
    </message>
    <message>
        <source>the dots of frame %1</source>
        <translation>畫面 %1 的點陣</translation>
    </message>
    <message>
        <source>the word after the frames</source>
        <translation>畫面之後的字</translation>
    </message>
    <message>
        <source>the module width</source>
        <translation>模組寬度</translation>
    </message>
    <message>
        <source>the colour of module %1</source>
        <translation>模組 %1 的顏色</translation>
    </message>
</context>
<context>
    <name>PictureFiles</name>
    <message>
        <source>%1 is too large: at most %2 pixels</source>
        <translation>%1 太大：最多 %2 像素</translation>
    </message>
    <message>
        <source>Unknown picture file extension (.%1)</source>
        <translation>無法辨識的圖片副檔名（.%1）</translation>
    </message>
    <message>
        <source>Cannot open file %1</source>
        <translation>無法開啟檔案 %1</translation>
    </message>
    <message>
        <source>Bitmap image is not valid</source>
        <translation>點陣圖無效</translation>
    </message>
    <message>
        <source>Cannot create file %1</source>
        <translation>無法建立檔案 %1</translation>
    </message>
    <message>
        <source>: not a regular file</source>
        <translation>：不是一般檔案</translation>
    </message>
</context>
<context>
    <name>PreviewEditor</name>
    <message>
        <source>The list is empty: add a frame with New</source>
        <translation>清單是空的：請以「新增」加入畫面</translation>
    </message>
</context>
<context>
    <name>ProjectFileLimits</name>
    <message>
        <source>the width is %1 dots, but a sign is 1 to %2 dots wide</source>
        <translation>寬度為 %1 點，但看板寬度須為 1 到 %2 點</translation>
    </message>
    <message>
        <source>the height is %1 dots, but a sign is 1 to %2 dots high</source>
        <translation>高度為 %1 點，但看板高度須為 1 到 %2 點</translation>
    </message>
    <message>
        <source>the frame count is %1</source>
        <translation>畫面數為 %1</translation>
    </message>
    <message>
        <source>its %1 frames and the %2 in the list make more than the %3 a list can hold</source>
        <translation>其 %1 個畫面加上清單中的 %2 個，超過清單可容納的 %3 個</translation>
    </message>
    <message>
        <source>it holds %1 frames, more than the %2 a list can hold</source>
        <translation>含有 %1 個畫面，超過清單可容納的 %2 個</translation>
    </message>
    <message>
        <source>the module width is %1 dots</source>
        <translation>模組寬度為 %1 點</translation>
    </message>
    <message>
        <source>a module width of %1 dots makes %2 modules of the %3-dot sign, more than %4</source>
        <translation>模組寬度 %1 點使 %3 點寬的看板有 %2 個模組，超過 %4 個</translation>
    </message>
    <message>
        <source>the module width is %1 dots, but a module of the %2-dot sign is 1 to %2 dots wide</source>
        <translation>模組寬度為 %1 點，但 %2 點寬看板的模組須為 1 到 %2 點寬</translation>
    </message>
    <message>
        <source>the colour code %1 of module %2 does not fit the current format&apos;s 32-bit word</source>
        <translation>模組 %2 的顏色碼 %1 超出目前格式的 32 位元字組</translation>
    </message>
    <message>
        <source>Cannot load &apos;%1&apos;: %2 (%3).</source>
        <translation>無法載入「%1」：%2（%3）。</translation>
    </message>
</context>
<context>
    <name>ProjectFiles</name>
    <message>
        <source>Cannot save &apos;%1&apos;: %2.</source>
        <translation>無法儲存「%1」：%2。</translation>
    </message>
    <message>
        <source>Cannot open &apos;%1&apos;: not a regular file.</source>
        <translation>無法開啟「%1」：不是一般檔案。</translation>
    </message>
    <message>
        <source>Cannot open &apos;%1&apos;: %2.</source>
        <translation>無法開啟「%1」：%2。</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>不是一般檔案</translation>
    </message>
</context>
<context>
    <name>ProjectTransfer</name>
    <message>
        <source>The project cannot be saved: %1.</source>
        <translation>無法儲存專案：%1。</translation>
    </message>
    <message>
        <source>&apos;%1&apos; has no module data and keeps the modules of the sign before: %2, so the project cannot be saved. To save it, set up the sign with New and append the file with the list&apos;s &quot;Open&quot;.</source>
        <translation>「%1」沒有模組資料，沿用先前看板的模組：%2，因此無法儲存專案。若要儲存，請以「新增」設定看板，再以清單的「開啟」附加這個檔案。</translation>
    </message>
</context>
<context>
    <name>QtPromptSeam</name>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
</context>
<context>
    <name>RecordedEdits</name>
    <message>
        <source>New frame %1</source>
        <translation>新增畫面 %1</translation>
    </message>
    <message>
        <source>Insert frame %1</source>
        <translation>插入畫面 %1</translation>
    </message>
    <message>
        <source>Delete frame %1</source>
        <translation>刪除畫面 %1</translation>
    </message>
    <message>
        <source>Cut frame %1</source>
        <translation>剪下畫面 %1</translation>
    </message>
    <message>
        <source>Paste frame %1</source>
        <translation>貼上畫面 %1</translation>
    </message>
    <message>
        <source>Pen stroke</source>
        <translation>畫筆筆畫</translation>
    </message>
    <message>
        <source>Stamp</source>
        <translation>蓋印</translation>
    </message>
    <message>
        <source>Drop region</source>
        <translation>放下區塊</translation>
    </message>
    <message>
        <source>Lift region</source>
        <translation>拿起區塊</translation>
    </message>
    <message>
        <source>Cut region</source>
        <translation>剪下區塊</translation>
    </message>
    <message>
        <source>Copy region</source>
        <translation>複製區塊</translation>
    </message>
    <message>
        <source>Delete region</source>
        <translation>刪除區塊</translation>
    </message>
    <message>
        <source>Drawing</source>
        <translation>繪圖</translation>
    </message>
    <message>
        <source>Board number of frame %1</source>
        <translation>畫面 %1 的看板編號</translation>
    </message>
    <message>
        <source>Change mark of frame %1</source>
        <translation>畫面 %1 的輪播標記</translation>
    </message>
    <message>
        <source>Time of frame %1</source>
        <translation>畫面 %1 的時間</translation>
    </message>
    <message>
        <source>Frame %1</source>
        <translation>畫面 %1</translation>
    </message>
    <message>
        <source>Append from file</source>
        <translation>從檔案附加</translation>
    </message>
    <message>
        <source>New project</source>
        <translation>新專案</translation>
    </message>
    <message>
        <source>Open %1</source>
        <translation>開啟 %1</translation>
    </message>
    <message>
        <source>Placing</source>
        <translation>放置中</translation>
    </message>
</context>
<context>
    <name>ShownSign</name>
    <message>
        <source>Board %1  %2 frame(s)</source>
        <translation>看板 %1  %2 個畫面</translation>
    </message>
    <message>
        <source>  (%1 of %2 packets)</source>
        <translation>  （%1/%2 個封包）</translation>
    </message>
    <message>
        <source>Board %1 arriving  frame %2/%3  %4 of %5 packets</source>
        <translation>看板 %1 接收中  畫面 %2/%3  %4/%5 個封包</translation>
    </message>
    <message>
        <source>Waiting for a download</source>
        <translation>等待下載</translation>
    </message>
    <message>
        <source>Board %1  no frames</source>
        <translation>看板 %1  沒有畫面</translation>
    </message>
    <message>
        <source>Board %1  </source>
        <translation>看板 %1  </translation>
    </message>
</context>
<context>
    <name>SignSetup</name>
    <message>
        <source>&apos;%1&apos; is not a LED Type: choose one of %2.</source>
        <translation>「%1」不是 LED 類型：請從 %2 中選擇。</translation>
    </message>
    <message>
        <source>The LED Number must be from %1 to %2, not %3.</source>
        <translation>LED 模組數須為 %1 到 %2，不能是 %3。</translation>
    </message>
    <message>
        <source>%1 colour codes were given for %2 modules.</source>
        <translation>%2 個模組卻給了 %1 個顏色碼。</translation>
    </message>
    <message>
        <source>The colour code %1 of module %2 is not one of 0 (Yellow), 1 (Red), 2 (Green), 3 (Blue), 4 (White).</source>
        <translation>模組 %2 的顏色碼 %1 不是 0（黃）、1（紅）、2（綠）、3（藍）、4（白）之一。</translation>
    </message>
</context>
<context>
    <name>SignShowWindow</name>
    <message>
        <source>velmora-signsim on %1</source>
        <translation>velmora-signsim（%1）</translation>
    </message>
</context>
<context>
    <name>TAboutBox</name>
    <message>
        <source>About</source>
        <translation>關於</translation>
    </message>
    <message>
        <source>Version  %1</source>
        <translation>版本  %1</translation>
    </message>
    <message>
        <source>Destination sign editor for bus depots. Free software under the %1; there is no warranty.</source>
        <translation>公車場站用的路線看板編輯器。依 %1 授權的自由軟體；不提供任何擔保。</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
</context>
<context>
    <name>TFmVelmora</name>
    <message>
        <source>Progress</source>
        <translation>進度</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>新增(&amp;N)</translation>
    </message>
    <message>
        <source>New|Create a new file</source>
        <translation>新增|建立新檔案</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>開啟(&amp;O)</translation>
    </message>
    <message>
        <source>Open|Open a file</source>
        <translation>開啟|開啟檔案</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>儲存(&amp;S)</translation>
    </message>
    <message>
        <source>Save|Save current file</source>
        <translation>儲存|儲存目前的檔案</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>另存新檔(&amp;A)...</translation>
    </message>
    <message>
        <source>Save As|Save current file with different name</source>
        <translation>另存新檔|以其他名稱儲存目前的檔案</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>結束(&amp;X)</translation>
    </message>
    <message>
        <source>Exit|Exit application</source>
        <translation>結束|結束程式</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>關於(&amp;A)...</translation>
    </message>
    <message>
        <source>About|Displays program information, version number, and copyright</source>
        <translation>關於|顯示程式資訊、版本編號與著作權</translation>
    </message>
    <message>
        <source>Cut|Cuts the selection and puts it on the Clipboard</source>
        <translation>剪下|剪下選取範圍並放到剪貼簿</translation>
    </message>
    <message>
        <source>Copy|Copies the selection and puts it on the Clipboard</source>
        <translation>複製|複製選取範圍並放到剪貼簿</translation>
    </message>
    <message>
        <source>Paste|Inserts Clipboard contents</source>
        <translation>貼上|插入剪貼簿的內容</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>剪下(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>複製(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>貼上(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Cut</source>
        <translation>剪下(&amp;C)</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>複製</translation>
    </message>
    <message>
        <source>Past</source>
        <translation>貼上</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>復原(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>重做(&amp;R)</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>刪除</translation>
    </message>
    <message>
        <source>Pointer</source>
        <translation>指標</translation>
    </message>
    <message>
        <source>Pen</source>
        <translation>畫筆</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>選取</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>縮小</translation>
    </message>
    <message>
        <source>Default zoom</source>
        <translation>預設縮放</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>放大</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>播放</translation>
    </message>
    <message>
        <source>Play|Play the line of the current frame as the sign shows it</source>
        <translation>播放|依看板的顯示方式播放目前畫面所屬的路線</translation>
    </message>
    <message>
        <source>Stop playing</source>
        <translation>停止播放</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>檔案(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>編輯(&amp;E)</translation>
    </message>
    <message>
        <source>Option</source>
        <translation>選項</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>說明(&amp;H)</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>工具</translation>
    </message>
    <message>
        <source>One</source>
        <translation>單條</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>下載</translation>
    </message>
    <message>
        <source>%1

Download anyway?</source>
        <translation>%1

仍要下載嗎？</translation>
    </message>
    <message>
        <source>New Korvel File</source>
        <translation>新版 Korvel 檔案</translation>
    </message>
    <message>
        <source>Old Korvel File</source>
        <translation>舊版 Korvel 檔案</translation>
    </message>
    <message>
        <source>Do you want to save the change ?</source>
        <translation>要儲存變更嗎？</translation>
    </message>
    <message>
        <source>16x16 24x24 32x32 48x48 BMP File</source>
        <translation>16x16 24x24 32x32 48x48 BMP 檔案</translation>
    </message>
    <message>
        <source>Pictures</source>
        <translation>圖片</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 已經存在。
要取代它嗎？</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation>復原%1</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>重做%1</translation>
    </message>
    <message>
        <source>Undo|Nothing to undo</source>
        <translation>復原|沒有可復原的動作</translation>
    </message>
    <message>
        <source>Redo|Nothing to redo</source>
        <translation>重做|沒有可重做的動作</translation>
    </message>
    <message>
        <source>Horizontal scroll</source>
        <translation>水平捲動</translation>
    </message>
    <message>
        <source>Vertical scroll</source>
        <translation>垂直捲動</translation>
    </message>
    <message>
        <source>Editing pages</source>
        <translation>編輯頁面</translation>
    </message>
    <message>
        <source>Text Edit</source>
        <translation>文字編輯</translation>
    </message>
    <message>
        <source>Graphic Edit</source>
        <translation>圖形編輯</translation>
    </message>
    <message>
        <source>New</source>
        <translation>新增</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>插入</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>剪下</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>貼上</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>開啟</translation>
    </message>
    <message>
        <source>Frame list</source>
        <translation>畫面清單</translation>
    </message>
    <message>
        <source>Download Record...</source>
        <translation>下載紀錄...</translation>
    </message>
    <message>
        <source>Download Record|Shows which buses and ports the open project was downloaded to</source>
        <translation>下載紀錄|顯示開啟的專案曾下載到哪些車輛與連接埠</translation>
    </message>
    <message>
        <source>The download was not recorded:
%1</source>
        <translation>這次下載未記入紀錄：
%1</translation>
    </message>
    <message>
        <source>Downloads of %1, newest first: those of its bytes as they are now (&quot;as now&quot;) and those of earlier versions of the same file (&quot;earlier&quot;).</source>
        <translation>%1 的下載紀錄，最新的在前：內容與現在相同者（「目前」）及同一檔案先前版本者（「先前」）。</translation>
    </message>
    <message>
        <source>this project, never saved</source>
        <translation>此專案（從未存檔）</translation>
    </message>
    <message>
        <source>None is recorded.</source>
        <translation>沒有紀錄。</translation>
    </message>
</context>
<context>
    <name>TextEditPage</name>
    <message>
        <source>Text</source>
        <translation>文字</translation>
    </message>
    <message>
        <source>Text Upload</source>
        <translation>文字置入</translation>
    </message>
    <message>
        <source>字型設定</source>
        <translation>字型設定</translation>
    </message>
    <message>
        <source>Font Setup</source>
        <translation>字型選擇</translation>
    </message>
    <message>
        <source>Chinea</source>
        <translation>中文</translation>
    </message>
    <message>
        <source>English</source>
        <translation>英文</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>數字</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>其他</translation>
    </message>
    <message>
        <source>Font Type</source>
        <translation>字體樣式</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>粗體</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>斜體</translation>
    </message>
    <message>
        <source>Underline</source>
        <translation>底線</translation>
    </message>
</context>
<context>
    <name>TfmCOMPort</name>
    <message>
        <source>COM Port Setup</source>
        <translation>COM 埠設定</translation>
    </message>
    <message>
        <source>COM Port :</source>
        <translation>COM 埠：</translation>
    </message>
    <message>
        <source>COM Port</source>
        <translation>COM 埠</translation>
    </message>
    <message>
        <source>Line :</source>
        <translation>路線：</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>路線</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a port of the list: choose COM1 .. COM10.</source>
        <translation>「%1」不是清單中的連接埠：請選擇 COM1 .. COM10。</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>裝置</translation>
    </message>
    <message>
        <source>%1 — not present</source>
        <translation>%1 — 未連接</translation>
    </message>
    <message>
        <source>serial port</source>
        <translation>序列埠</translation>
    </message>
</context>
<context>
    <name>TfmDownloadRecord</name>
    <message>
        <source>Download Record</source>
        <translation>下載紀錄</translation>
    </message>
    <message>
        <source>Started (UTC)</source>
        <translation>開始時間 (UTC)</translation>
    </message>
    <message>
        <source>Bus</source>
        <translation>車輛</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>連接埠</translation>
    </message>
    <message>
        <source>Project</source>
        <translation>專案</translation>
    </message>
    <message>
        <source>Bytes</source>
        <translation>內容</translation>
    </message>
    <message>
        <source>SHA-256</source>
        <translation>SHA-256</translation>
    </message>
    <message>
        <source>Lines (board: frames)</source>
        <translation>路線（看板編號：畫面數）</translation>
    </message>
    <message>
        <source>Packets</source>
        <translation>封包</translation>
    </message>
    <message>
        <source>Outcome</source>
        <translation>結果</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>秒數</translation>
    </message>
    <message>
        <source>Downloads</source>
        <translation>下載</translation>
    </message>
    <message>
        <source>(never saved)</source>
        <translation>（從未存檔）</translation>
    </message>
    <message>
        <source>%1 (%2 sent again)</source>
        <translation>%1（重送 %2）</translation>
    </message>
    <message>
        <source>%1 (unsaved)</source>
        <translation>%1（未存檔）</translation>
    </message>
    <message>
        <source>as now</source>
        <translation>目前</translation>
    </message>
    <message>
        <source>earlier</source>
        <translation>先前</translation>
    </message>
    <message>
        <source>Record: %1</source>
        <translation>紀錄檔：%1</translation>
    </message>
</context>
<context>
    <name>TfmNote</name>
    <message>
        <source>Note (Only Numeral)</source>
        <translation>附註（僅限數字）</translation>
    </message>
    <message>
        <source>Download Board Number</source>
        <translation>下載看板編號</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>TfmSecond</name>
    <message>
        <source>Setup Delay Time</source>
        <translation>設定停留時間</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>時間</translation>
    </message>
    <message>
        <source>Sec</source>
        <translation>秒</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>TfmStart</name>
    <message>
        <source>Yellow</source>
        <translation>黃</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>紅</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>綠</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>藍</translation>
    </message>
    <message>
        <source>White</source>
        <translation>白</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>LED Type</source>
        <translation>LED 類型</translation>
    </message>
    <message>
        <source>LED Number</source>
        <translation>LED 模組數</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>顏色</translation>
    </message>
    <message>
        <source>Modules</source>
        <translation>模組</translation>
    </message>
</context>
</TS>

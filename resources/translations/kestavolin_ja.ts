<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name></name>
    <message id="ErrorMassage">
        <source>ErrorMassage</source>
        <translation>写真を読み込めません</translation>
    </message>
    <message id="FailedOpenMsg">
        <source>FailedOpenMsg</source>
        <translation>このファイルは JPEG、TIFF、Photoshop のいずれの画像でもないか、破損しています。</translation>
    </message>
    <message id="NoExifMsg">
        <source>NoExifMsg</source>
        <translation>この Photoshop ファイルには画像リソースがないため、Exif 情報がありません。</translation>
    </message>
    <message id="NotTiffMsg">
        <source>NotTiffMsg</source>
        <translation>このファイルは正しい TIFF 画像ではありません。</translation>
    </message>
    <message id="NotPSDMsg">
        <source>NotPSDMsg</source>
        <translation>このファイルは正しい Photoshop 画像ではありません。</translation>
    </message>
    <message id="NotJpegMsg">
        <source>NotJpegMsg</source>
        <translation>JPEG ファイルが破損しています。セグメントがファイルの終わりを越えています。</translation>
    </message>
    <message id="FailJpegMsg">
        <source>FailJpegMsg</source>
        <translation>この JPEG ファイルには Exif 情報が見つかりませんでした。</translation>
    </message>
    <message id="FailPSDMsg">
        <source>FailPSDMsg</source>
        <translation>この Photoshop ファイルから Exif 情報を読み取れませんでした。</translation>
    </message>
    <message id="FailTiffMsg">
        <source>FailTiffMsg</source>
        <translation>この TIFF ファイルから Exif 情報を読み取れませんでした。</translation>
    </message>
    <message id="IfdError">
        <source>IfdError</source>
        <translation>Exif 情報が破損しています</translation>
    </message>
    <message id="IfdErrorMassage">
        <source>IfdErrorMassage</source>
        <translation>この写真の Exif 情報は破損しているため読み取れません。</translation>
    </message>
    <message id="ExifError">
        <source>ExifError</source>
        <translation>Exif 情報がありません</translation>
    </message>
    <message id="FailExifMassage">
        <source>FailExifMassage</source>
        <translation>この写真の Exif 情報を読み取れませんでした。</translation>
    </message>
    <message id="Colse">
        <source>Colse</source>
        <translation>閉じる</translation>
    </message>
    <message id="Ok">
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message id="OK">
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message id="Cansel">
        <source>Cansel</source>
        <translation>キャンセル</translation>
    </message>
    <message id="DropEroor">
        <source>DropEroor</source>
        <translation>ファイルを開けません</translation>
    </message>
    <message id="OnlyTiffOrJpegOrPsdMessage">
        <source>OnlyTiffOrJpegOrPsdMessage</source>
        <translation>開けるのは TIFF、JPEG、Photoshop（PSD）ファイルだけです。</translation>
    </message>
    <message id="lensDelCoution">
        <source>lensDelCoution</source>
        <translation>レンズの削除</translation>
    </message>
    <message id="lensDelMessage">
        <source>lensDelMessage</source>
        <translation>このレンズをレンズリストから削除しますか？</translation>
    </message>
    <message id="lensNotDelete">
        <source>lensNotDelete</source>
        <translation>レンズを削除できません</translation>
    </message>
    <message id="lensNotDeleteMsg">
        <source>lensNotDeleteMsg</source>
        <translation>このレンズはレンズリストにありません。</translation>
    </message>
    <message id="lensOverFlow">
        <source>lensOverFlow</source>
        <translation>レンズリストがいっぱいです</translation>
    </message>
    <message id="lensOverMsg">
        <source>lensOverMsg</source>
        <translation>これ以上レンズを追加できません。使わなくなったレンズを先に削除してください。</translation>
    </message>
    <message id="tapeLengthMassage">
        <source>tapeLengthMassage</source>
        <translation>テープの長さ</translation>
    </message>
    <message id="tapeSetMsg">
        <source>tapeSetMsg</source>
        <translation>プリンタのテープの長さを次の値に設定してください:</translation>
    </message>
    <message id="Title">
        <source>Title</source>
        <translation>タイトル</translation>
    </message>
    <message id="Photographer">
        <source>Photographer</source>
        <translation>撮影者</translation>
    </message>
    <message id="UnknownSens">
        <source>UnknownSens</source>
        <translation>不明</translation>
    </message>
    <message id="OtherSens">
        <source>OtherSens</source>
        <translation>その他</translation>
    </message>
    <message id="AutoBracket">
        <source>AutoBracket</source>
        <translation>オートブラケット</translation>
    </message>
    <message id="NotFefined">
        <source>NotFefined</source>
        <translation>未定義</translation>
    </message>
    <message id="Manual">
        <source>Manual</source>
        <translation>マニュアル</translation>
    </message>
    <message id="NormalProgram">
        <source>NormalProgram</source>
        <translation>プログラムAE</translation>
    </message>
    <message id="AperturePriority">
        <source>AperturePriority</source>
        <translation>絞り優先</translation>
    </message>
    <message id="ShutterPriority">
        <source>ShutterPriority</source>
        <translation>シャッター優先</translation>
    </message>
    <message id="CreativeProgram">
        <source>CreativeProgram</source>
        <translation>クリエイティブプログラム</translation>
    </message>
    <message id="ActionProgram">
        <source>ActionProgram</source>
        <translation>アクションプログラム</translation>
    </message>
    <message id="PortraitMode">
        <source>PortraitMode</source>
        <translation>ポートレートモード</translation>
    </message>
    <message id="LandscapeMode">
        <source>LandscapeMode</source>
        <translation>風景モード</translation>
    </message>
    <message id="MeteringModeUnknown">
        <source>MeteringModeUnknown</source>
        <translation>測光方式不明</translation>
    </message>
    <message id="Average">
        <source>Average</source>
        <translation>平均測光</translation>
    </message>
    <message id="CenterWeightedAverage">
        <source>CenterWeightedAverage</source>
        <translation>中央重点平均測光</translation>
    </message>
    <message id="Spot">
        <source>Spot</source>
        <translation>スポット測光</translation>
    </message>
    <message id="MultiSpot">
        <source>MultiSpot</source>
        <translation>マルチスポット測光</translation>
    </message>
    <message id="Pattern">
        <source>Pattern</source>
        <translation>分割測光</translation>
    </message>
    <message id="Partial">
        <source>Partial</source>
        <translation>部分測光</translation>
    </message>
    <message id="OtherMeteringMode">
        <source>OtherMeteringMode</source>
        <translation>その他の測光</translation>
    </message>
    <message id="LightSourceUnknown">
        <source>LightSourceUnknown</source>
        <translation>光源不明</translation>
    </message>
    <message id="Daylight">
        <source>Daylight</source>
        <translation>昼光</translation>
    </message>
    <message id="Fluorescent">
        <source>Fluorescent</source>
        <translation>蛍光灯</translation>
    </message>
    <message id="Tungstonlight">
        <source>Tungstonlight</source>
        <translation>白熱電球</translation>
    </message>
    <message id="Flashlight">
        <source>Flashlight</source>
        <translation>フラッシュ</translation>
    </message>
    <message id="FineWeather">
        <source>FineWeather</source>
        <translation>晴天</translation>
    </message>
    <message id="CloudyWeather">
        <source>CloudyWeather</source>
        <translation>曇天</translation>
    </message>
    <message id="Shade">
        <source>Shade</source>
        <translation>日陰</translation>
    </message>
    <message id="DaylightFluorescent">
        <source>DaylightFluorescent</source>
        <translation>昼光色蛍光灯</translation>
    </message>
    <message id="DayWhitetFluorescent">
        <source>DayWhitetFluorescent</source>
        <translation>昼白色蛍光灯</translation>
    </message>
    <message id="CoolWhitetFluorescent">
        <source>CoolWhitetFluorescent</source>
        <translation>白色蛍光灯</translation>
    </message>
    <message id="WhitetFluorescent">
        <source>WhitetFluorescent</source>
        <translation>温白色蛍光灯</translation>
    </message>
    <message id="WarmFluorescent">
        <source>WarmFluorescent</source>
        <translation>電球色蛍光灯</translation>
    </message>
    <message id="StandardLightA">
        <source>StandardLightA</source>
        <translation>標準光A</translation>
    </message>
    <message id="StandardLightB">
        <source>StandardLightB</source>
        <translation>標準光B</translation>
    </message>
    <message id="StandardLightC">
        <source>StandardLightC</source>
        <translation>標準光C</translation>
    </message>
    <message id="ISOStudioTungsten">
        <source>ISOStudioTungsten</source>
        <translation>ISOスタジオタングステン</translation>
    </message>
    <message id="OtherLightSource">
        <source>OtherLightSource</source>
        <translation>その他の光源</translation>
    </message>
    <message id="StandardScene">
        <source>StandardScene</source>
        <translation>標準</translation>
    </message>
    <message id="Landscape">
        <source>Landscape</source>
        <translation>風景</translation>
    </message>
    <message id="Portrait">
        <source>Portrait</source>
        <translation>人物</translation>
    </message>
    <message id="NightScene">
        <source>NightScene</source>
        <translation>夜景</translation>
    </message>
    <message id="NoGainControl">
        <source>NoGainControl</source>
        <translation>ゲイン制御なし</translation>
    </message>
    <message id="LowGainUp">
        <source>LowGainUp</source>
        <translation>弱ゲインアップ</translation>
    </message>
    <message id="HighGainUp">
        <source>HighGainUp</source>
        <translation>強ゲインアップ</translation>
    </message>
    <message id="LowGainDown">
        <source>LowGainDown</source>
        <translation>弱ゲインダウン</translation>
    </message>
    <message id="HighGainDown">
        <source>HighGainDown</source>
        <translation>強ゲインダウン</translation>
    </message>
    <message id="NormalContrast">
        <source>NormalContrast</source>
        <translation>標準コントラスト</translation>
    </message>
    <message id="Soft">
        <source>Soft</source>
        <translation>軟調</translation>
    </message>
    <message id="Hard">
        <source>Hard</source>
        <translation>硬調</translation>
    </message>
    <message id="NormalSaturation">
        <source>NormalSaturation</source>
        <translation>標準彩度</translation>
    </message>
    <message id="LowSaturation">
        <source>LowSaturation</source>
        <translation>低彩度</translation>
    </message>
    <message id="HighSaturation">
        <source>HighSaturation</source>
        <translation>高彩度</translation>
    </message>
    <message id="NormalSharpness">
        <source>NormalSharpness</source>
        <translation>標準シャープネス</translation>
    </message>
    <message id="SoftSharpness">
        <source>SoftSharpness</source>
        <translation>ソフト</translation>
    </message>
    <message id="HardSharpness">
        <source>HardSharpness</source>
        <translation>ハード</translation>
    </message>
    <message id="DistanceUnknown">
        <source>DistanceUnknown</source>
        <translation>距離不明</translation>
    </message>
    <message id="Macro">
        <source>Macro</source>
        <translation>マクロ</translation>
    </message>
    <message id="CloseView">
        <source>CloseView</source>
        <translation>近景</translation>
    </message>
    <message id="DistantView">
        <source>DistantView</source>
        <translation>遠景</translation>
    </message>
</context>
</TS>

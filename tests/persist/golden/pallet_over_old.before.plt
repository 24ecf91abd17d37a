; palette of an earlier run
[Pallet]
Top=1
Left=2
Right=3
Bottom=4
Dock=0
View=1
xCount=4
yCount=4
zCount=4
Select=0
Theme=dark

[Tab1]
NAME=old
C_0_0=99
C_2_0=12
C_3_3=44

[Tab2]
C_2_1=77
[Tab3]
NAME=third

%{
String s = "abc\"

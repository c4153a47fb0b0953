-- The least a fresh database needs for a first login: one inspectorate and one demo user
-- (user "demo", password "demo"; the password is kept as its MD5 digest).
insert into nRIOSW_NP_PP (ID, Name) values (1, 'РИОСВ - София');
insert into Users (UserName, Name, SurName, FamilyName, Password)
values ('demo', 'Демо', 'Демов', 'Потребител', 'fe01ce2a7fbac8fafaed7c982a04e229');

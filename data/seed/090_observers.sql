-- A few observers for the team page to choose from. EGN holds the e-mail address,
-- Organization the name of the inspectorate or park as the login list shows it.
insert into Person_Colaborator (FirstName, MidName, LastName, EGN, Organization, Position) values
('Иван', 'Петров', 'Иванов', 'i.ivanov@example.org', 'РИОСВ - София', 'Главен експерт „Биологично разнообразие“'),
('Мария', 'Георгиева', 'Стоянова', 'm.stoyanova@example.org', 'РИОСВ - София', 'Старши експерт'),
('Георги', 'Димитров', 'Николов', 'g.nikolov@example.org', 'Дирекция на НП „Рила“', 'Парков специалист'),
('Елена', 'Тодорова', 'Василева', 'e.vasileva@example.org', 'Дирекция на НП „Централен Балкан“', 'Биолог'),
('Стефан', 'Костадинов', 'Атанасов', 's.atanasov@example.org', 'РИОСВ - Благоевград', 'Експерт „Защитени територии“'),
('Десислава', 'Петкова', 'Христова', 'd.hristova@example.org', 'Дирекция на ПП „Витоша“', 'Еколог'),
('Николай', 'Иванов', 'Колев', 'n.kolev@example.org', 'РИОСВ - Смолян', 'Главен експерт'),
('Петя', 'Александрова', 'Маринова', 'p.marinova@example.org', 'РИОСВ - Бургас', 'Младши експерт');

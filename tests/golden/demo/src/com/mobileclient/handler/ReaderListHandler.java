package com.mobileclient.handler;
import java.sql.Timestamp;
import java.util.ArrayList;
import java.util.List;

import org.xml.sax.Attributes;
import org.xml.sax.SAXException;
import org.xml.sax.helpers.DefaultHandler;

import com.mobileclient.domain.Reader;
public class ReaderListHandler extends DefaultHandler {
	private List<Reader> readerList = null;
	private Reader reader;
	private String tempString;
	private StringBuilder valueBuffer = new StringBuilder();
	@Override
	public void characters(char[] ch, int start, int length) throws SAXException {
		super.characters(ch, start, length);
		if (reader != null) { 
            valueBuffer.append(ch, start, length); 
        } 
	}

	@Override
	public void endElement(String uri, String localName, String qName) throws SAXException {
		super.endElement(uri, localName, qName);
		if (reader != null) { 
            String valueString = valueBuffer.toString(); 
            if ("readerNo".equals(tempString)) 
            	reader.setReaderNo(valueString); 
            else if ("readerName".equals(tempString)) 
            	reader.setReaderName(valueString); 
            else if ("sex".equals(tempString)) 
            	reader.setSex(valueString); 
            else if ("birthday".equals(tempString) && valueString.length() > 0) 
            	reader.setBirthday(Timestamp.valueOf(valueString));
            else if ("telephone".equals(tempString)) 
            	reader.setTelephone(valueString); 
            else if ("readerPhoto".equals(tempString)) 
            	reader.setReaderPhoto(valueString); 
        } 
		if("Reader".equals(localName)&&reader!=null){
			readerList.add(reader);
			reader = null; 
		}
		tempString = null;
	}

	@Override
	public void startDocument() throws SAXException {
		super.startDocument();
		readerList = new ArrayList<Reader>();
	}

	@Override
	public void startElement(String uri, String localName, String qName,Attributes attributes) throws SAXException {
		super.startElement(uri, localName, qName, attributes);
        if ("Reader".equals(localName)) {
            reader = new Reader(); 
        }
        tempString = localName; 
        valueBuffer.setLength(0);
	}

	public List<Reader> getReaderList() {
		return this.readerList;
	}
}
